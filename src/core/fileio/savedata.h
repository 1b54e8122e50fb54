// The writer: every table of the school as records of the course-settings file,
// in the file's order, written to the I/O path.
#pragma once

#include <QString>

namespace orve::model {
struct School;
}

namespace orve::fileio {

struct SaveResult
{
    enum class Status {
        Written,
        Unencodable, // some text holds characters the file cannot hold; nothing was written
        WriteFailed, // the file could not be written; an existing file is unchanged
        TooLarge,    // the school is beyond what the reader accepts; nothing was written
        NotReadBack, // a text the reader would give back otherwise; nothing was written
    };
    Status status = Status::Written;
    QString characters; // Unencodable: the characters, each once
    QString sample;     // Unencodable, NotReadBack: the first text that holds one of them
    QString reason;     // WriteFailed: why, in Chinese; TooLarge: which limit

    bool written() const { return status == Status::Written; }
};

// The whole file as text: every record, each line ended by CR LF.
QString settingsText(const model::School& school);

// The bytes of the file Save writes, into `bytes`; a result other than Written (too large,
// a character that GBK cannot hold or a line break in a text, a text the reader would give
// back otherwise) when there are none.
SaveResult settingsBytes(const model::School& school, QByteArray& bytes);

// Writes the school to `path`. The file is replaced only when every byte was written, and
// nothing is written when settingsBytes has none.
SaveResult writeSchoolFile(const model::School& school, const QString& path);

// Replaces the file with the bytes through a temporary file. Every write is checked, the
// last one included, so the old file stays as it was unless all the bytes reached the disk;
// only a regular file (or a link to one) is replaced.
SaveResult writeSettingsFile(const QString& path, const QByteArray& bytes);

} // namespace orve::fileio
