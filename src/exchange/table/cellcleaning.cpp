#include "cellcleaning.h"

namespace orve::exchange {

namespace {

constexpr char16_t FullWidthZero = u'\uFF10';
constexpr char16_t FullWidthNine = u'\uFF19';
constexpr char16_t IdeographicSpace = u'\u3000';
constexpr char16_t NoBreakSpace = u'\u00A0';

} // namespace

QString cleanCell(QStringView text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= FullWidthZero && u <= FullWidthNine)
            cleaned.append(QChar(u'0' + (u - FullWidthZero)));
        else if (u == IdeographicSpace || u == NoBreakSpace)
            cleaned.append(u' ');
        else
            cleaned.append(c);
    }
    return cleaned.trimmed();
}

} // namespace orve::exchange
