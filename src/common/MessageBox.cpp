// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {
MessageBox::Handler& currentHandler()
{
    static MessageBox::Handler handler;
    return handler;
}
} // namespace

void MessageBox::show(QWidget* parent, const QString& text)
{
    if (currentHandler()) {
        currentHandler()(parent, text);
        return;
    }
    QMessageBox box(
        QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // The ordinary pointer over the box, also while a run shows the busy one.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
}

MessageBox::Handler MessageBox::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
