// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window help1: a fixed text on what the program makes and how to
// open a sheet file in a spreadsheet program, and a close button.

#include <QWidget>

// The object names of the help window's controls.
namespace HelpNames {
inline constexpr const char* kText = "Text2";
inline constexpr const char* kClose = "Command2";
} // namespace HelpNames

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    static QString helpText();

protected:
    void closeEvent(QCloseEvent* event) override;
};
