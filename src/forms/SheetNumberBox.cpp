// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/SheetNumberBox.h"

#include "common/SettingText.h"

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>

SheetNumberBox::SheetNumberBox(QWidget* window, Twips labelPlace, Twips boxPlace)
{
    QLabel* label
        = Controls::label(window, SheetNumberTexts::kLabelName, SheetNumberTexts::kTitle, labelPlace);
    m_box = Controls::textBox(
        window, SheetNumberTexts::kBoxName, QString(), boxPlace, SheetNumberTexts::kTitle);
    label->setBuddy(m_box);
    renew();
}

std::optional<int> SheetNumberBox::read() const
{
    const auto number = parseWholeNumber(m_box->text());
    if (!inRange(number, SheetNumberTexts::kLowest, SheetNumberTexts::kHighest)) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

void SheetNumberBox::renew()
{
    m_box->setText(QString::number(drawNumber()));
}

int SheetNumberBox::drawNumber()
{
    return static_cast<int>(
        QRandomGenerator::system()->bounded(SheetNumberTexts::kLowest, SheetNumberTexts::kHighest + 1));
}
