// qzf: the fields of a fixed-lesson entry "class course day period" (single spaces), also used
// on the conflict-list entries "row column" of a scheduling run. Positions are plain sizes, so
// texts of any length parse.
#pragma once

#include <QStringView>
#include <optional>

namespace orve::scheduler {

// Field 1: the text up to and including the first space (the class and its space).
// Field 2: the text after the first space up to and including the next space (the course and
// its space). Field 3: the two characters after that space (the day, with the following space
// when the day has one digit). Field 1 needs one space, fields 2 and 3 two; none for a text
// without them and for any other field number. Slices of `entry`.
std::optional<QStringView> qzf(QStringView entry, int field);

// The period of a fixed-lesson entry is read from its last two characters.
QStringView entryPeriodText(QStringView entry);

} // namespace orve::scheduler
