#include "chinesenumeral.h"

#include <array>

namespace orve::model {

QString ChineseNumeral::operator()(int number)
{
    static const std::array<const char16_t*, 15> numerals = {
        u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八",
        u"九", u"十", u"十一", u"十二", u"十三", u"十四", u"十五"};
    if (number >= 1 && number <= int(numerals.size()))
        last_ = QString::fromUtf16(numerals[std::size_t(number - 1)]);
    return last_;
}

QString dayName(ChineseNumeral& numeral, int day)
{
    if (day == 7)
        return QStringLiteral(u"星期日");
    return QStringLiteral(u"星期") + numeral(day);
}

} // namespace orve::model
