#include "common/StartFolder.h"

#include <QDir>
#include <QStandardPaths>

bool StartFolder::apply(const QStringList& arguments)
{
    if (!arguments.mid(1).contains(QLatin1String(kFromMenu))) {
        return true;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        return false;
    }
    const QString folder = QDir(documents).filePath(QStringLiteral("Mireva"));
    return QDir().mkpath(folder) && QDir::setCurrent(folder);
}
