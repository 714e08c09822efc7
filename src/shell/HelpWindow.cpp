// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpWindow.h"

#include "MirevaVersion.h"
#include "common/Assets.h"
#include "common/Fonts.h"
#include "forms/Controls.h"

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("help1"));
    setFont(Fonts::songti(12));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QLatin1String(HelpNames::kText));
    text->setGeometry(Twips { 0, 120, 11775, 7455 }.toPixels());
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap); // the lines break where the text breaks them
    text->setPlainText(helpText());

    auto* close
        = Controls::button(this, HelpNames::kClose, QStringLiteral("关闭"), { 7080, 7800, 1095, 495 });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

QString HelpWindow::helpText()
{
    Assets::init();
    QFile file(QStringLiteral(":/help.txt"));
    file.open(QIODevice::ReadOnly);
    // The first line names the program with its version; the file holds the rest.
    return MirevaVersion::kTitle + QStringLiteral("\n\n")
        + QString::fromUtf8(file.readAll()).remove(QLatin1Char('\r')).trimmed();
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
