// Mireva: drill sheets of mental-arithmetic questions for kindergarten and
// primary-school teachers.

#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/QtTranslation.h"
#include "common/StartFolder.h"
#include "output/SheetLine.h"
#include "printing/SystemPrintTarget.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mireva"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.ico")));
    Fonts::installSubstitutions();
    QtTranslation::install();
    StartFolder::apply(QCoreApplication::arguments());

    if (!SheetLine::encodingAvailable()) {
        MessageBox::show(nullptr,
            QStringLiteral("本程序缺少GBK中文编码支持，无法生成试题文件。请安装带ICU支持的Qt后再运行。"));
        return 1;
    }

    SystemPrintTarget printer;
    Shell shell(printer);
    shell.start();
    return QApplication::exec();
}
