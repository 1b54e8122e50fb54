// A fixed-lesson entry of the list Combo6: class, course (or "空课"), day and period separated
// by single spaces. The text is what the list and the file hold; readers take its fields
// through qzf as the scheduler does.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orve::conditions {

struct FixedLessonEntry
{
    QStringView className; // slices of the entry text
    QStringView course;
    int day = 0;    // from 1; the column of msgrid1
    int period = 0; // from 1; the row of msgrid1
};

QString fixedEntryText(QStringView className, QStringView course, int day, int period);

// The fields of an entry: class and course with trailing blanks removed, day the number in the
// two characters after the second space, period the number in the last two characters. None
// for a text with fewer than two spaces.
std::optional<FixedLessonEntry> parseFixedEntry(QStringView entry);

} // namespace orve::conditions
