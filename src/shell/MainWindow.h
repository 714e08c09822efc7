// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window zcd: the banner, the flowers, the version and the menu bar
// that lists every drill by school stage. It has no buttons of its own.

#include <QMainWindow>

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The menu entry of that name (j7, zdcs, bz, tcxt …), or null.
    QAction* entry(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
};
