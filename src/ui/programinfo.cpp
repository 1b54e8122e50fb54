#include "programinfo.h"

#include <QCoreApplication>
#include <QDir>

namespace orve::ui {

QString helpFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orve-help.html"));
}

} // namespace orve::ui
