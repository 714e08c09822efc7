// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Shell.h"

#include "forms/DrillWindow.h"
#include "shell/DrillRegistry.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QScreen>

namespace {
// Maximized, and sized to the screen as well for desktops without a window
// manager that would do it.
void showMaximized(QWidget* window)
{
    if (QScreen* screen = window->screen()) {
        window->setGeometry(screen->availableGeometry());
    }
    window->showMaximized();
}
} // namespace

Shell::Shell(PrintTarget& printTarget, const QString& sheetFolder)
    : m_environment { m_random, printTarget, sheetFolder }
{
    // Every window exists from here on, hidden, with the common title.
    m_help = std::make_unique<HelpWindow>();
    m_help->setWindowTitle(ShellTexts::kTitle);
    m_main = std::make_unique<MainWindow>();
    m_main->setWindowTitle(ShellTexts::kTitle);
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        addDrill(drill, DrillRegistry::makeWindow(drill.definition, m_environment));
    }

    connect(m_main->entry(QStringLiteral("bz")), &QAction::triggered, this, &Shell::openHelp);
    // Ends the program at once, whatever window is open (see MainWindow::closeEvent).
    connect(
        m_main->entry(QStringLiteral("tcxt")), &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
}

Shell::~Shell() = default;

void Shell::addDrill(const DrillEntry& entry, std::unique_ptr<DrillWindow> window)
{
    DrillWindow* drill = window.get();
    drill->setObjectName(QLatin1String(entry.window));
    drill->setWindowTitle(ShellTexts::kTitle);
    connect(m_main->entry(QLatin1String(entry.entry)), &QAction::triggered, this,
        [this, drill] { openDrill(drill); });
    connect(drill, &DrillWindow::returnRequested, this, [this, drill] { returnFrom(drill); });
    m_drills.push_back(std::move(window));
}

void Shell::start()
{
    showMaximized(m_main.get());
}

DrillWindow* Shell::drillWindow(const QString& name) const
{
    for (const auto& drill : m_drills) {
        if (drill->objectName() == name) {
            return drill.get();
        }
    }
    return nullptr;
}

void Shell::openDrill(DrillWindow* window)
{
    showMaximized(window);
    window->raise();
    window->activateWindow();
    m_main->hide();
}

void Shell::returnFrom(DrillWindow* window)
{
    m_main->show();
    m_main->activateWindow();
    window->hide();
}

void Shell::openHelp()
{
    showMaximized(m_help.get());
    m_help->raise();
    m_help->activateWindow();
}
