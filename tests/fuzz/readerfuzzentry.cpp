#include "readerfuzzentry.h"

#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/gbk.h"
#include "school/startup.h"
#include "silentuiport.h"
#include "workspace.h"

namespace orve::fuzz {

const Workspace& startedUp()
{
    static Workspace ws;
    static const bool ready = [] {
        SilentUiPort ui;
        school::startUp(ws, ui);
        return true;
    }();
    Q_UNUSED(ready);
    return ws;
}

int readCourseSettings(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fileio::OpenedSchool opened = fileio::openingFrom(startedUp());
    const fileio::ReadError error = fileio::readSchool(opened, bytes);
    if (error.failed())
        return error.line > 0 ? error.line : -1;
    // What was read must be writable: a text of a GBK file encodes again.
    QByteArray written;
    model::encodeGbk(fileio::settingsText(opened.school), written);
    return 0;
}

} // namespace orve::fuzz
