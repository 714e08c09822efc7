// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the controls of a window at fixed places. Places and sizes are given
// in twips (1/1440 inch) from the top-left corner of the client area, as the
// window layouts are drawn; 15 twips make one logical pixel at 96 dpi.

#include <QRect>
#include <QString>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QColor;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct Twips {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return { left / 15, top / 15, width / 15, height / 15 }; }
};

namespace Controls {
QLabel* label(QWidget* window, const char* name, const QString& text, Twips place);
// A text box and a drop-down list have no caption of their own: spokenName
// is what a screen reader (and the accessibility bus) calls them.
QLineEdit* textBox(
    QWidget* window, const char* name, const QString& text, Twips place, const QString& spokenName = {});
QComboBox* list(QWidget* window, const char* name, Twips place, const QString& spokenName);
QGroupBox* frame(QWidget* window, const char* name, const QString& caption, Twips place);
QRadioButton* option(QWidget* window, const char* name, const QString& caption, Twips place);
QCheckBox* checkBox(QWidget* window, const char* name, const QString& caption, Twips place);
QPushButton* button(QWidget* window, const char* name, const QString& caption, Twips place);

// A frame of option buttons in a group of their own, apart from the answer
// buttons, with the option `chosen` selected. Option i has the id i in the
// group (its checkedId() is the chosen one) and stands at place(i).
QButtonGroup* optionFrame(QWidget* window, const char* frameName, const QString& caption, Twips framePlace,
    const std::vector<std::pair<const char*, QString>>& options, Twips (*place)(int), std::size_t chosen = 0);

void setTextColor(QWidget* control, const QColor& color);
} // namespace Controls
