#include "standardoutput.h"

#include "cliuiport.h"
#include "fileio/systemerror.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orve::cli {

bool writeStandardOutput(const QByteArray& bytes)
{
    errno = 0;
    const std::size_t size = std::size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0)
        return true;
    const int errorNumber = errno;
    std::clearerr(stdout);
    printLine(
        QStringLiteral(u"无法写入标准输出：%1。")
            .arg(fileio::systemErrorReason(errorNumber, fileio::FileAccess::Write,
                                           QString::fromLocal8Bit(std::strerror(errorNumber)))));
    return false;
}

bool printJsonLine(const QJsonObject& object)
{
    return writeStandardOutput(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

} // namespace orve::cli
