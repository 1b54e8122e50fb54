// A set of files written into one folder as a whole, for the exports of all timetables: the old
// set stays as it was unless every new file is complete, and then the new set replaces it
// whole. A file of the set is replaced by a rename, which replaces a symbolic link standing in
// its place, never the file the link points to.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace orve::fileio {

struct NamedFile
{
    QString name; // within the folder
    QByteArray bytes;
};

struct FileSetResult
{
    QString failedName; // the file that could not be written; empty when all were
    QString reason;     // why, in Chinese

    bool written() const { return reason.isEmpty(); }
};

// Why the folder cannot take files, made first (with the folders above it) when missing: not
// a folder, a part of the path not a folder, read-only, no permission, …; empty when it can.
QString prepareFolder(const QString& folder);

// Writes every file to a temporary file in the folder, each flushed and synced to the disk;
// only when all are complete are the old files of the same names replaced. On any failure the
// temporary files are removed and every old file is as it was.
FileSetResult writeFileSet(const QString& folder, const std::vector<NamedFile>& files);

} // namespace orve::fileio
