// A name or path as a message quotes it: characters that show nothing or turn the direction
// of the text (U+202E RIGHT-TO-LEFT OVERRIDE, zero-width spaces, control characters) are
// written as their code points, "<U+202E>", so the message reads left to right as typed and
// the user sees that the name holds them.
#pragma once

#include <QString>
#include <QStringView>

namespace orve::model {

QString shownName(QStringView name);

} // namespace orve::model
