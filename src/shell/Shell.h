// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application shell: creates every window once at start-up, hidden and
// with the common title, owns the shared random source and wires the menu of
// the main window to the drill windows, the help window and program exit.

#include "MirevaVersion.h"
#include "forms/DrillEnvironment.h"
#include "random/RandomSource.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class DrillWindow;
struct DrillEntry;
class HelpWindow;
class MainWindow;
class PrintTarget;
class QWidget;

namespace ShellTexts {
inline const QString kTitle = MirevaVersion::kTitle;
} // namespace ShellTexts

class Shell : public QObject {
    Q_OBJECT
public:
    // Sheet files go to sheetFolder.
    Shell(PrintTarget& printTarget, const QString& sheetFolder);
    ~Shell() override;

    // Shows the main window, maximized.
    void start();

    MainWindow* mainWindow() const { return m_main.get(); }
    HelpWindow* helpWindow() const { return m_help.get(); }
    // The drill window with that object name (zdcs1, xqd7, zhcs2 …), or null.
    DrillWindow* drillWindow(const QString& name) const;

private:
    void addDrill(const DrillEntry& entry, std::unique_ptr<DrillWindow> window);
    void openDrill(DrillWindow* window);
    void returnFrom(DrillWindow* window);
    void openHelp();

    RandomSource m_random;
    DrillEnvironment m_environment;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<MainWindow> m_main;
    std::vector<std::unique_ptr<DrillWindow>> m_drills;
};
