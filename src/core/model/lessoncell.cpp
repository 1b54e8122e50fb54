#include "lessoncell.h"

namespace orve::model {

namespace {
QStringView trimLeadingBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}
} // namespace

QString lessonText(QStringView course, QStringView teacher)
{
    QString text;
    text.reserve(course.size() + LessonSeparator.size() + teacher.size());
    text.append(course).append(LessonSeparator).append(teacher);
    return text;
}

QString lessonCellText(QStringView course, QStringView teacher)
{
    return teacher.isEmpty() ? course.toString() : lessonText(course, teacher);
}

QStringView teacherPart(QStringView cell)
{
    const qsizetype at = cell.indexOf(LessonSeparator);
    return trimLeadingBlanks(at < 0 ? cell : cell.mid(at + 1));
}

QStringView coursePart(QStringView cell)
{
    const qsizetype at = cell.indexOf(LessonSeparator);
    return at < 0 ? cell : cell.left(at);
}

} // namespace orve::model
