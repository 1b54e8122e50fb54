// The program's title and the captions that several windows share.
#pragma once

#include <QString>

namespace orve::ui {

// The main window's caption, trailing space included.
inline QString programTitle()
{
    return QStringLiteral(u"ORVE智能排课系统 ");
}

inline QString defaultMessageTitle()
{
    return programTitle().trimmed();
}

// The help document that ships beside the program.
QString helpFilePath();

} // namespace orve::ui
