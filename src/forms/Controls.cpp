// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Controls.h"

#include "forms/WrappingCheckBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename Control> Control* place(Control* control, const char* name, Twips where)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(where.toPixels());
    return control;
}
} // namespace

QLabel* Controls::label(QWidget* window, const char* name, const QString& text, Twips where)
{
    return place(new QLabel(text, window), name, where);
}

QLineEdit* Controls::textBox(
    QWidget* window, const char* name, const QString& text, Twips where, const QString& spokenName)
{
    auto* box = place(new QLineEdit(text, window), name, where);
    box->setAccessibleName(spokenName);
    return box;
}

QComboBox* Controls::list(QWidget* window, const char* name, Twips where, const QString& spokenName)
{
    auto* box = place(new QComboBox(window), name, where);
    box->setAccessibleName(spokenName);
    return box;
}

QGroupBox* Controls::frame(QWidget* window, const char* name, const QString& caption, Twips where)
{
    auto* box = place(new QGroupBox(caption, window), name, where);
    box->lower(); // the frame is drawn behind the controls that lie in its area
    return box;
}

QRadioButton* Controls::option(QWidget* window, const char* name, const QString& caption, Twips where)
{
    return place(new QRadioButton(caption, window), name, where);
}

QCheckBox* Controls::checkBox(QWidget* window, const char* name, const QString& caption, Twips where)
{
    return place(new WrappingCheckBox(caption, window), name, where);
}

QPushButton* Controls::button(QWidget* window, const char* name, const QString& caption, Twips where)
{
    auto* b = place(new QPushButton(caption, window), name, where);
    b->setAutoDefault(false);
    return b;
}

QButtonGroup* Controls::optionFrame(QWidget* window, const char* frameName, const QString& caption,
    Twips framePlace, const std::vector<std::pair<const char*, QString>>& options, Twips (*place)(int),
    std::size_t chosen)
{
    frame(window, frameName, caption, framePlace);
    auto* group = new QButtonGroup(window);
    for (const auto& [name, text] : options) {
        const int id = static_cast<int>(group->buttons().size());
        group->addButton(option(window, name, text, place(id)), id);
    }
    group->button(static_cast<int>(chosen))->setChecked(true);
    return group;
}

void Controls::setTextColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}
