// A fixed-lesson entry: class, course (or "空课"), day and period separated by single spaces.
// The text is what the list and the file hold; this is the one place that reads its fields.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orve::model {

// The class choice of the fixed-lesson editor that makes one entry per class; no class may be
// named so.
inline const QString AllClassesText = QStringLiteral(u"全体班级");

struct FixedLessonEntry
{
    QStringView className; // slices of the entry text
    QStringView course;
    int day = 0;    // from 1; the column of the fixed-lesson grid
    int period = 0; // from 1; the row of the fixed-lesson grid
};

QString fixedEntryText(QStringView className, QStringView course, int day, int period);

// The fields of an entry: class and course with trailing blanks removed, day the number in the
// two characters after the second space, period the number in the last two characters. None
// for a text with fewer than two spaces.
std::optional<FixedLessonEntry> parseFixedEntry(QStringView entry);

// The space-separated fields of an entry as they stand. Field 1: the text up to and including
// the first space. Field 2: the text after it up to and including the next space. Field 3: the
// two characters after that space. Field 1 needs one space, fields 2 and 3 two; none for a
// text without them and for any other field number. Slices of `entry`; positions are plain
// sizes, so texts of any length parse. The conflict list's "row column" entries are read
// with it too.
std::optional<QStringView> entryField(QStringView entry, int field);

} // namespace orve::model
