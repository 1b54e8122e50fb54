// The combined-lesson entry: a class name and a course name joined by the private-use
// character U+F8F5, the form of the entries of Combo3 and of the combined-class tree's members.
#pragma once

#include <QString>

namespace orve::model {

inline constexpr char16_t CombinedSeparator = u'\uF8F5';

inline QString combinedLessonEntry(const QString& className, const QString& course)
{
    return className + QChar(CombinedSeparator) + course;
}

// How an entry is shown to the user: the separator has no glyph in any font.
inline QString combinedLessonCaption(QString entry)
{
    return entry.replace(QChar(CombinedSeparator), QStringLiteral(u" · "));
}

} // namespace orve::model
