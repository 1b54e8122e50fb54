#include "exporthandoff.h"

#include "cliuiport.h"
#include "exitcodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orve::cli {

namespace {

// "--name" or "--name=VALUE", as the option parser takes them.
bool isOption(const char* argument, const char* name)
{
    if (std::strncmp(argument, "--", 2) != 0)
        return false;
    const std::size_t length = std::strlen(name);
    return std::strncmp(argument + 2, name, length) == 0 &&
           (argument[2 + length] == '\0' || argument[2 + length] == '=');
}

} // namespace

bool exportNeedsHelper(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "export") != 0)
        return false;
    for (int i = 2; i < argc; ++i)
        if (isOption(argv[i], "pdf") || isOption(argv[i], "xlsx"))
            return true;
    return false;
}

int handOverToExportHelper(char* argv[])
{
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("orve-cli-export");
    for (const QString& path :
         {folder.filePath(name),
          folder.filePath(QStringLiteral(ORVE_EXPORT_FROM_PROGRAM "/") + name)}) {
        if (!QFileInfo(path).isExecutable())
            continue;
        const QByteArray file = QFile::encodeName(QDir::cleanPath(path));
        execv(file.constData(), argv);
        printLine(
            QStringLiteral(u"无法启动 %1：%2。")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
        return FileFailed;
    }
    printLine(QStringLiteral(u"找不到导出 PDF 和 Excel 文件的程序 %1。").arg(name));
    return FileFailed;
}

} // namespace orve::cli
