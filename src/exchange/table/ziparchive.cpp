#include "ziparchive.h"

#include <unzip.h>

#include <algorithm>
#include <cstring>

namespace orve::exchange {

namespace {

// minizip reads the archive through these, from the bytes in memory.
template <typename Memory> struct MemoryFile
{
    static voidpf open(voidpf opaque, const void*, int) { return opaque; }

    static uLong read(voidpf, voidpf stream, void* buffer, uLong size)
    {
        auto* memory = static_cast<Memory*>(stream);
        const qint64 count =
            std::clamp<qint64>(memory->bytes.size() - memory->position, 0, qint64(size));
        std::memcpy(buffer, memory->bytes.constData() + memory->position, std::size_t(count));
        memory->position += count;
        return uLong(count);
    }

    static uLong write(voidpf, voidpf, const void*, uLong) { return 0; }

    static ZPOS64_T tell(voidpf, voidpf stream)
    {
        return ZPOS64_T(static_cast<Memory*>(stream)->position);
    }

    static long seek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
    {
        auto* memory = static_cast<Memory*>(stream);
        qint64 base = 0;
        if (origin == ZLIB_FILEFUNC_SEEK_CUR)
            base = memory->position;
        else if (origin == ZLIB_FILEFUNC_SEEK_END)
            base = memory->bytes.size();
        const qint64 position = base + qint64(offset);
        if (position < 0 || position > memory->bytes.size())
            return -1;
        memory->position = position;
        return 0;
    }

    static int close(voidpf, voidpf) { return 0; }
    static int error(voidpf, voidpf) { return 0; }
};

// One entry of the archive, inflated as it is read.
class EntryDevice : public QIODevice
{
public:
    explicit EntryDevice(unzFile archive) : archive_(archive) { open(QIODevice::ReadOnly); }
    ~EntryDevice() override { unzCloseCurrentFile(archive_); }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const int read = unzReadCurrentFile(
            archive_, data, unsigned(std::min<qint64>(size, std::numeric_limits<int>::max())));
        if (read < 0) {
            setErrorString(QStringLiteral("zip entry damaged"));
            return -1;
        }
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    unzFile archive_;
};

constexpr int CaseInsensitive = 2;

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes) : memory_{bytes, 0}
{
    using File = MemoryFile<Memory>;
    zlib_filefunc64_def functions{File::open, File::read,  File::write, File::tell,
                                  File::seek, File::close, File::error, &memory_};
    archive_ = unzOpen2_64(nullptr, &functions);
}

ZipArchive::~ZipArchive()
{
    if (archive_)
        unzClose(archive_);
}

std::unique_ptr<QIODevice> ZipArchive::openEntry(const QString& name)
{
    if (!archive_ ||
        unzLocateFile(archive_, name.toUtf8().constData(), CaseInsensitive) != UNZ_OK ||
        unzOpenCurrentFile(archive_) != UNZ_OK)
        return nullptr;
    return std::make_unique<EntryDevice>(archive_);
}

} // namespace orve::exchange
