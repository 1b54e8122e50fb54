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

// A menu caption as running text: without its "&" markers, a "(&X)" suffix or stray spaces.
QString plainCaption(const QString& caption);

// The help document of the running program (see helpFilePathFor).
QString helpFilePath();

// The help document of a program in programDir: beside it (a build or a copied folder), else
// in the data folder of an installed program. The path beside it when neither exists, so that
// the message about the missing file names a place where it belongs.
QString helpFilePathFor(const QString& programDir);

} // namespace orve::ui
