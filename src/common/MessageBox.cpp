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
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
        parent);
    box.exec();
}

MessageBox::Handler MessageBox::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
