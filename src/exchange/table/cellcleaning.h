// How a cell's text is cleaned before it is read as a name or a number. Sheets typed with a
// Chinese input method hold full-width digits and ideographic spaces, and blanks around a name
// are never meant.
#pragma once

#include <QString>
#include <QStringView>

namespace orve::exchange {

// Full-width digits and spaces made half-width, then the blanks around the text trimmed.
QString cleanCell(QStringView text);

} // namespace orve::exchange
