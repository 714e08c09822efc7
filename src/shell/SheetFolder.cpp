// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SheetFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

QString SheetFolder::choose(const QStringList& arguments, const QString& startFolder,
    const QString& documentsPath, const QString& homePath)
{
    if (!arguments.contains(kDocumentsOption)) {
        return startFolder;
    }
    if (!documentsPath.isEmpty()) {
        const QString folder = QDir(documentsPath).filePath(kFolderName);
        if (QDir(documentsPath).mkpath(kFolderName) && QFileInfo(folder).isDir()) {
            return QDir(folder).absolutePath();
        }
        qWarning("Mireva: cannot create %s; sheet files go to %s", qUtf8Printable(folder),
            qUtf8Printable(homePath));
    }
    return QFileInfo(homePath).isDir() ? homePath : startFolder;
}

QString SheetFolder::chooseForUser(const QStringList& arguments)
{
    return choose(arguments, QDir::currentPath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}
