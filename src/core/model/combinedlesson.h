// The combined-lesson entry: a class name and a course name joined by the private-use
// character U+F8F5, the form of the combined-lesson list's entries and of the combined-class tree's members.
#pragma once

#include <QString>
#include <QStringView>

namespace orve::model {

inline constexpr char16_t CombinedSeparator = u'\uF8F5';

inline QString combinedLessonEntry(QStringView className, QStringView course)
{
    QString entry;
    entry.reserve(className.size() + 1 + course.size());
    return entry.append(className).append(QChar(CombinedSeparator)).append(course);
}

// How an entry is shown to the user: the separator has no glyph in any font.
inline QString combinedLessonCaption(QString entry)
{
    return entry.replace(QChar(CombinedSeparator), QStringLiteral(u" · "));
}

} // namespace orve::model
