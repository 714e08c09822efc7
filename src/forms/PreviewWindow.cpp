// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PreviewWindow.h"

#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "forms/DrillTexts.h"
#include "forms/PageView.h"
#include "printing/PagePainter.h"
#include "printing/PrintMessages.h"
#include "printing/PrintTarget.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
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

bool PreviewWindow::savePdf(
    QWidget* parent, const PrintedPages& pages, const QPageLayout& paper, const QString& path)
{
    // A PDF file is printed as on a printer that never refuses, with the preview's paper.
    PdfPrintTarget pdf(path, paper);
    return print(parent, pages, pdf);
}

bool PreviewWindow::show(QWidget* parent, const PrintedPages& pages, const QPageLayout& paper,
    PrintTarget& target, const QString& sheetFolder, const QString& sheetName)
{
    if (currentHandler()) {
        return currentHandler()(parent, pages, target);
    }
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("preview"));
    dialog.setWindowTitle(PreviewTexts::kTitle);
    dialog.setFont(Fonts::songti(12));

    auto* view = new PageView(pages, paper);
    view->setObjectName(QStringLiteral("pages"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(PreviewTexts::pageCount(pages.size())));
    buttons->addStretch();
    QObject::connect(addButton(buttons, "zoomOut", PreviewTexts::kZoomOut), &QPushButton::clicked, view,
        &PageView::zoomOut);
    QObject::connect(
        addButton(buttons, "zoomIn", PreviewTexts::kZoomIn), &QPushButton::clicked, view, &PageView::zoomIn);
    QPushButton* saveButton = addButton(buttons, "savePdf", PreviewTexts::kSavePdf);
    QPushButton* printButton = addButton(buttons, "print", PreviewTexts::kPrint);
    QPushButton* closeButton = addButton(buttons, "close", PreviewTexts::kClose);
    QObject::connect(saveButton, &QPushButton::clicked, &dialog, [&] {
        const QString proposed = QDir(sheetFolder)
                                     .filePath((sheetName.isEmpty() ? PrintTexts::kJobName : sheetName)
                                         + QStringLiteral(".pdf"));
        QFileDialog chooser(&dialog, PreviewTexts::kSavePdfTitle, proposed, PreviewTexts::kPdfFilter);
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setDefaultSuffix(PreviewTexts::kPdfSuffix);
        if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
            savePdf(&dialog, pages, paper, chooser.selectedFiles().constFirst());
        }
    });
    QObject::connect(printButton, &QPushButton::clicked, &dialog, [&] {
        if (print(&dialog, pages, target)) {
            dialog.accept();
        }
    });
    QObject::connect(closeButton, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(view, 1);
    // Print below a legible size is told here as after the run, in full.
    if (const double points = PagePainter::smallestPoints(pages, paper);
        points < PagePainter::kLegiblePoints) {
        auto* note = new QLabel(DrillTexts::smallPrint(points));
        note->setObjectName(QStringLiteral("smallPrint"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addLayout(buttons);
    if (parent) {
        dialog.resize(parent->size() * 0.9);
    }
    printButton->setFocus();
    QTimer::singleShot(0, view, &PageView::fitPage);
    // The dialog is accepted only by printing.
    return dialog.exec() == QDialog::Accepted;
}

PreviewWindow::Handler PreviewWindow::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
