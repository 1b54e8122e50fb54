#include "drawinghandoff.h"

#include "cliuiport.h"
#include "exitcodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orve::cli {

int handOverToDrawing(char* argv[])
{
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("orve-cli-draw");
    for (const QString& path :
         {folder.filePath(name),
          folder.filePath(QStringLiteral(ORVE_DRAW_FROM_PROGRAM "/") + name)}) {
        if (!QFileInfo(path).isExecutable())
            continue;
        const QByteArray file = QFile::encodeName(QDir::cleanPath(path));
        execv(file.constData(), argv);
        printLine(
            QStringLiteral(u"无法启动 %1：%2。")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
        return FileFailed;
    }
    printLine(QStringLiteral(u"找不到导出 PDF 文件的程序 %1。").arg(name));
    return FileFailed;
}

} // namespace orve::cli
