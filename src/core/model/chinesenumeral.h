// Chinese numerals for period labels and day names.
#pragma once

#include <QString>

namespace orve::model {

// Maps 1..15 to "一" … "十五". For any other number it repeats its last result (the empty
// text before its first success), which is why rows past 15 repeat "十五".
class ChineseNumeral
{
public:
    QString operator()(int number);

private:
    QString last_;
};

// "星期一" … "星期六", "星期日" for day 7; other days "星期" + numeral.
QString dayName(ChineseNumeral& numeral, int day);

} // namespace orve::model
