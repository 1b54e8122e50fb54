#include "systemerror.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>

namespace orve::fileio {

QString systemErrorReason(int errorNumber, FileAccess access, const QString& systemText)
{
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral(u"磁盘已满");
    case EFBIG:
        return QStringLiteral(u"文件超过了系统允许的大小");
    case EACCES:
    case EPERM:
        return access == FileAccess::Write ? QStringLiteral(u"没有写入权限")
                                           : QStringLiteral(u"没有读取权限");
    case ENOENT:
        return access == FileAccess::Write ? QStringLiteral(u"文件夹不存在")
                                           : QStringLiteral(u"文件不存在");
    case ENOTDIR:
        return QStringLiteral(u"路径中有一部分不是文件夹");
    case EISDIR:
        return QStringLiteral(u"是一个文件夹");
    case EROFS:
        return QStringLiteral(u"只读文件系统");
    case EIO:
        return QStringLiteral(u"磁盘读写出错");
    case ENAMETOOLONG:
        return QStringLiteral(u"文件名太长");
    case EMFILE:
    case ENFILE:
        return QStringLiteral(u"打开的文件太多");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral(u"文件正被使用");
    default:
        break;
    }
    const QString general = access == FileAccess::Write ? QStringLiteral(u"系统无法写入文件")
                                                        : QStringLiteral(u"系统无法读取文件");
    return systemText.isEmpty() ? general : general + QStringLiteral(u"（%1）").arg(systemText);
}

QString pathRefusal(const QString& path, FileAccess access)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral(u"是一个文件夹");
    if (info.exists() && !info.isFile())
        return QStringLiteral(u"不是普通文件（是设备或管道）");
    if (access == FileAccess::Read && !info.exists())
        return info.isSymLink() ? QStringLiteral(u"符号链接指向的文件不存在")
                                : QStringLiteral(u"文件不存在");
    if (access == FileAccess::Write && !info.exists() && !info.isSymLink() &&
        !QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral(u"文件夹不存在");
    return {};
}

void reportFileSizeLimitAsError()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace orve::fileio
