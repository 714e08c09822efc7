// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A check box whose caption wraps onto further lines when it is wider than the
// room beside the tick box, as the window layouts expect: the output choices
// are long captions in narrow boxes two lines high. The whole box, caption
// included, takes clicks.

#include <QCheckBox>

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    WrappingCheckBox(const QString& caption, QWidget* parent);

    // Where the caption is drawn.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
};
