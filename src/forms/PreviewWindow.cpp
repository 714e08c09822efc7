#include "forms/PreviewWindow.h"

#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "printing/PagePainter.h"
#include "printing/PrintTarget.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
PreviewWindow::Handler& currentHandler()
{
    static PreviewWindow::Handler handler;
    return handler;
}

QPushButton* addButton(QHBoxLayout* row, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}
} // namespace

QString PreviewTexts::pageCount(qsizetype pages)
{
    return QStringLiteral("共%1页").arg(pages);
}

bool PreviewWindow::print(QWidget* parent, const PrintedPages& pages, PrintTarget& target)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString failure = target.refusal();
    if (failure.isEmpty()) {
        failure = target.print(pages).failure;
    }
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        MessageBox::show(parent, failure);
        return false;
    }
    return true;
}

void PreviewWindow::show(QWidget* parent, const PrintedPages& pages, PrintTarget& target)
{
    if (currentHandler()) {
        currentHandler()(parent, pages, target);
        return;
    }
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("preview"));
    dialog.setWindowTitle(PreviewTexts::kTitle);
    dialog.setFont(Fonts::songti(12));

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(target.pageLayout());
    auto* view = new QPrintPreviewWidget(&printer);
    view->setObjectName(QStringLiteral("pages"));
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, view,
        [&pages](QPrinter* device) { PagePainter::paint(*device, pages); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(PreviewTexts::pageCount(pages.size())));
    buttons->addStretch();
    QObject::connect(addButton(buttons, "zoomOut", PreviewTexts::kZoomOut), &QPushButton::clicked, view,
        [view] { view->zoomOut(); });
    QObject::connect(addButton(buttons, "zoomIn", PreviewTexts::kZoomIn), &QPushButton::clicked, view,
        [view] { view->zoomIn(); });
    QPushButton* printButton = addButton(buttons, "print", PreviewTexts::kPrint);
    QPushButton* closeButton = addButton(buttons, "close", PreviewTexts::kClose);
    QObject::connect(printButton, &QPushButton::clicked, &dialog, [&] {
        if (print(&dialog, pages, target)) {
            dialog.accept();
        }
    });
    QObject::connect(closeButton, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    if (parent) {
        dialog.resize(parent->size() * 0.9);
    }
    view->fitInView();
    printButton->setFocus();
    dialog.exec();
}

PreviewWindow::Handler PreviewWindow::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
