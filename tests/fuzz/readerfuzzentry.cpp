#include "readerfuzzentry.h"

#include "fileio/gbk.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "silentuiport.h"
#include "startup.h"
#include "workspace.h"

namespace orve::fuzz {

namespace {

// The tables as start-up leaves them, which Open starts from.
const Workspace& startedUp()
{
    static Workspace ws;
    static const bool ready = [] {
        SilentUiPort ui;
        startUp(ws, ui);
        return true;
    }();
    Q_UNUSED(ready);
    return ws;
}

} // namespace

int readCourseSettings(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Workspace fresh;
    fileio::copyOpenedTables(startedUp(), fresh);
    const fileio::ReadError error = fileio::readSchool(fresh, bytes);
    if (error.failed())
        return error.line > 0 ? error.line : -1;
    // What was read must be writable: a text of a GBK file encodes again.
    QByteArray written;
    fileio::encodeGbk(fileio::settingsText(fresh), written);
    return 0;
}

} // namespace orve::fuzz
