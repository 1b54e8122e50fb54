// The entries of a zip archive held in memory, read through minizip: the zip library that
// libxlsxwriter writes workbooks with. (QuaZip carries its own changed copy of minizip under the
// same symbol names, so it cannot share a process with libxlsxwriter: whichever library is
// loaded first serves the other's zip calls, and the program crashes.)
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

namespace orve::exchange {

class ZipArchive
{
public:
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // False when the bytes are no zip archive.
    bool isOpen() const { return archive_ != nullptr; }

    // The entry, its name compared without regard to case, as a sequential device that
    // inflates it while it is read; null when there is no such entry. One entry at a time:
    // the device must be gone before the next entry is opened.
    std::unique_ptr<QIODevice> openEntry(const QString& name);

private:
    struct Memory
    {
        QByteArray bytes;
        qint64 position = 0;
    };

    Memory memory_;
    void* archive_ = nullptr; // unzFile
};

} // namespace orve::exchange
