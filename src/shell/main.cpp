// SPDX-License-Identifier: GPL-3.0-or-later
// Mireva: drill sheets of mental-arithmetic questions for kindergarten and
// primary-school teachers.

#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/QtTranslation.h"
#include "output/SheetFile.h"
#include "printing/FontCheck.h"
#include "printing/SystemPrintTarget.h"
#include "shell/MainWindow.h"
#include "shell/SheetFolder.h"
#include "shell/Shell.h"

#include <QAction>
#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mireva"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.ico")));
    // Lets a Wayland desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mireva.Mireva"));
    Fonts::installSubstitutions();
    QtTranslation::install();
    // Started from the desktop's menu, sheet files go to a folder the teacher
    // can find rather than to wherever the menu started the program.
    const QString sheetFolder = SheetFolder::chooseForUser(QCoreApplication::arguments());

    if (!SheetFile::encodingAvailable()) {
        MessageBox::show(nullptr,
            QStringLiteral("本程序缺少GBK中文编码支持，无法生成试题文件。请安装带ICU支持的Qt后再运行。"));
        return 1;
    }

    SystemPrintTarget printer;
    Shell shell(printer, sheetFolder);
    QString menuTexts;
    for (const QAction* entry : shell.mainWindow()->findChildren<QAction*>()) {
        menuTexts += entry->text();
    }
    if (!FontCheck::windowFontDraws(menuTexts)) {
        MessageBox::show(nullptr, FontCheck::kNoChineseWindowFont);
    }
    shell.start();
    return QApplication::exec();
}
