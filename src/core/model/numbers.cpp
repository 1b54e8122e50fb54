#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orve::model {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isExponentMark(QChar c)
{
    return c == u'e' || c == u'E' || c == u'd' || c == u'D';
}

// Reads [sign] digits [. digits] [exponent] from `chars` starting at `pos`; returns the
// number of characters consumed (0 when no digit was read) and appends the number to `out`.
qsizetype scanNumber(const std::u16string& chars, qsizetype pos, std::string& out)
{
    const qsizetype start = pos;
    const auto size = qsizetype(chars.size());
    if (pos < size && (chars[pos] == u'+' || chars[pos] == u'-'))
        out += char(chars[pos++]);
    bool digits = false;
    while (pos < size && isDigit(chars[pos])) {
        out += char(chars[pos++]);
        digits = true;
    }
    if (pos < size && chars[pos] == u'.') {
        out += '.';
        ++pos;
        while (pos < size && isDigit(chars[pos])) {
            out += char(chars[pos++]);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (pos < size && isExponentMark(chars[pos])) {
        qsizetype e = pos + 1;
        std::string exponent = "e";
        if (e < size && (chars[e] == u'+' || chars[e] == u'-'))
            exponent += char(chars[e++]);
        if (e < size && isDigit(chars[e])) {
            while (e < size && isDigit(chars[e]))
                exponent += char(chars[e++]);
            out += exponent;
            pos = e;
        }
    }
    return pos - start;
}

} // namespace

double leadingNumber(QStringView text)
{
    std::u16string chars;
    chars.reserve(std::size_t(text.size()));
    for (QChar c : text)
        if (!isBlank(c))
            chars += char16_t(c.unicode());
    std::string number;
    if (scanNumber(chars, 0, number) == 0)
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

bool isNumeric(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    std::u16string chars;
    chars.reserve(std::size_t(trimmed.size()));
    for (QChar c : trimmed)
        chars += char16_t(c.unicode());
    std::string number;
    return scanNumber(chars, 0, number) == qsizetype(chars.size());
}

int roundHalfEven(double value, int low, int high)
{
    if (std::isnan(value))
        return std::clamp(0, low, high);
    const double rounded = std::nearbyint(std::clamp(value, double(low), double(high)));
    return int(rounded);
}

int leadingInteger(QStringView text, int low, int high)
{
    return roundHalfEven(leadingNumber(text), low, high);
}

} // namespace orve::model
