// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool QtTranslation::install()
{
    static QTranslator translator;
    const QString locale = QStringLiteral("qtbase_zh_CN");
    const QStringList places {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)
    };
    for (const QString& place : places) {
        if (translator.load(locale, place)) {
            return QCoreApplication::installTranslator(&translator);
        }
    }
    return false;
}
