#include "fileset.h"

#include "filemessages.h"
#include "systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace orve::fileio {

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// What stands at the path itself, a symbolic link not followed.
bool isFolderItself(const QString& path)
{
    struct stat info
    {
    };
    return lstat(encoded(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool existsItself(const QString& path)
{
    struct stat info
    {
    };
    return lstat(encoded(path).constData(), &info) == 0;
}

// A hidden name beside `name` that nothing holds yet.
QString spareName(const QDir& folder, const QString& name, QStringView role)
{
    for (;;) {
        const QString candidate =
            QStringLiteral(".%1.%2-%3")
                .arg(name, role.toString())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        if (!existsItself(folder.filePath(candidate)))
            return folder.filePath(candidate);
    }
}

// Writes the bytes to a new file at `path`; the reason when it could not.
QString writeNewFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return systemErrorReason(errno, FileAccess::Write, file.errorString());
    errno = 0;
    // A full disk may show only when the data reach it: flush and sync before counting the
    // file as written.
    if (file.write(bytes) != bytes.size() || !file.flush() || fsync(file.handle()) != 0)
        return systemErrorReason(errno, FileAccess::Write, file.errorString());
    return {};
}

bool renamed(const QString& from, const QString& to)
{
    return std::rename(encoded(from).constData(), encoded(to).constData()) == 0;
}

// A file of the set on its way: its temporary file and, once the old file has moved aside,
// where it went.
struct Replacement
{
    QString target;
    QString temporary;
    QString oldKept; // empty: there was no old file
    bool inPlace = false;
};

// Back to the old set: each new file that took its place goes, each old file comes back.
void rollBack(std::vector<Replacement>& set)
{
    for (auto it = set.rbegin(); it != set.rend(); ++it) {
        if (it->inPlace && !renamed(it->target, it->temporary))
            QFile::remove(it->target);
        if (!it->oldKept.isEmpty())
            renamed(it->oldKept, it->target);
    }
    for (const Replacement& file : set)
        QFile::remove(file.temporary);
}

} // namespace

QString prepareFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral(u"这是一个文件，不是文件夹");
    if (!info.exists()) {
        // The nearest existing folder above it, where the new folders go.
        QFileInfo above(info.absolutePath());
        while (!above.exists() && !above.isRoot())
            above = QFileInfo(above.absolutePath());
        if (!above.isDir())
            return QStringLiteral(u"路径中的“%1”是一个文件，不是文件夹")
                .arg(shownPath(above.filePath()));
        const QString missing =
            QDir(above.absoluteFilePath()).relativeFilePath(info.absoluteFilePath());
        QString made = above.absoluteFilePath();
        for (const QString& part : missing.split(u'/', Qt::SkipEmptyParts)) {
            made = QDir(made).filePath(part);
            errno = 0;
            if (mkdir(encoded(made).constData(), 0777) != 0 && errno != EEXIST)
                return systemErrorReason(errno, FileAccess::Write, {});
        }
    }
    errno = 0;
    if (access(encoded(folder).constData(), W_OK | X_OK) != 0)
        return systemErrorReason(errno, FileAccess::Write, {});
    return {};
}

FileSetResult writeFileSet(const QString& folder, const std::vector<NamedFile>& files)
{
    const QDir dir(folder);
    for (const NamedFile& file : files)
        if (isFolderItself(dir.filePath(file.name)))
            return {file.name, QStringLiteral(u"同名的是一个文件夹")};

    std::vector<Replacement> set;
    for (const NamedFile& file : files) {
        set.push_back({dir.filePath(file.name), spareName(dir, file.name, u"new"), {}, false});
        const QString reason = writeNewFile(set.back().temporary, file.bytes);
        if (!reason.isEmpty()) {
            rollBack(set);
            return {file.name, reason};
        }
    }
    for (std::size_t i = 0; i < set.size(); ++i) {
        Replacement& file = set[i];
        errno = 0;
        if (existsItself(file.target)) {
            const QString aside = spareName(dir, files[i].name, u"old");
            if (!renamed(file.target, aside)) {
                const int errorNumber = errno;
                rollBack(set);
                return {files[i].name, systemErrorReason(errorNumber, FileAccess::Write, {})};
            }
            file.oldKept = aside;
        }
        if (!renamed(file.temporary, file.target)) {
            const int errorNumber = errno;
            rollBack(set);
            return {files[i].name, systemErrorReason(errorNumber, FileAccess::Write, {})};
        }
        file.inPlace = true;
    }
    for (const Replacement& file : set)
        if (!file.oldKept.isEmpty())
            QFile::remove(file.oldKept);
    return {};
}

} // namespace orve::fileio
