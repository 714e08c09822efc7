#include "shell/SheetFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QtDebug>

QString SheetFolder::enter(
    const QStringList& arguments, const QString& documentsPath, const QString& homePath)
{
    if (!arguments.contains(kDocumentsOption)) {
        return QDir::currentPath();
    }
    if (!documentsPath.isEmpty()) {
        const QString folder = QDir(documentsPath).filePath(kFolderName);
        if (QDir().mkpath(folder) && QDir::setCurrent(folder)) {
            return QDir::currentPath();
        }
        qWarning("Mireva: cannot create or enter %s; sheet files go to %s", qUtf8Printable(folder),
            qUtf8Printable(homePath));
    }
    QDir::setCurrent(homePath);
    return QDir::currentPath();
}

QString SheetFolder::enterForUser(const QStringList& arguments)
{
    return enter(
        arguments, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}
