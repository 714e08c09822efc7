// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
} // namespace

WrappingCheckBox::WrappingCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
}

QRect WrappingCheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    return indicator;
}

QRect WrappingCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    QRect caption = rect();
    caption.setLeft(indicatorRect().right() + 1 + spacing);
    return caption;
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect caption = captionRect();
    painter.drawItemText(caption, kCaptionFlags, option.palette, isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(caption, kCaptionFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
