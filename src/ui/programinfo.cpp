#include "programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orve::ui {

QString helpFilePath()
{
    return helpFilePathFor(QCoreApplication::applicationDirPath());
}

QString helpFilePathFor(const QString& programDir)
{
    const QString name = QStringLiteral("orve-help.html");
    const QDir folder(programDir);
    const QString beside = folder.filePath(name);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(ORVE_DATA_FROM_PROGRAM "/") + name));
    for (const QString& path : {beside, installed}) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return beside;
}

} // namespace orve::ui
