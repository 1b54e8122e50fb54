#include "namecheck.h"

#include "model/combinedlesson.h"
#include "model/fixedlessonentry.h"
#include "model/gbk.h"
#include "model/lessoncell.h"
#include "planrows.h"

namespace orve::school {

namespace {

QString codeOf(char32_t codePoint)
{
    return QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}

bool splitsAtSpaces(NameList list)
{
    // Fixed-lesson entries and their editor separate class and course by single spaces.
    return list == NameList::Classes || list == NameList::Courses;
}

// The reader of the file skips blanks and tabs before a field, so a name would come back
// without them, and could then equal another name of its list.
bool startsWithBlank(QStringView name)
{
    return name.startsWith(u' ') || name.startsWith(u'\t');
}

// Words the program gives a meaning of its own in the plan, the fixed-lesson editor and the
// timetable; as names they would be taken for that meaning.
QString reservedNameRefusal(NameList list, QStringView name)
{
    if (list == NameList::Courses && name == placeholderCourse())
        return QStringLiteral(u"课程名称不能是“空”（教学计划用它标记还没有课程的班级），"
                              u"请改用其他名称。");
    if (list == NameList::Courses && name == model::FreePeriodText)
        return QStringLiteral(u"课程名称不能是“空课”（它表示不排课的时间），请改用其他名称。");
    if (list == NameList::Classes && name == model::AllClassesText)
        return QStringLiteral(u"班级名称不能是“全体班级”（固定课预排用它表示所有班级），"
                              u"请改用其他名称。");
    return {};
}

// What the file's line and field splitting cannot carry.
QString storedTextRefusal(QStringView name)
{
    if (name.contains(u','))
        return QStringLiteral(u"名称中不能含有英文逗号“,”（课程设置文件用它分隔数据），"
                              u"请改用中文逗号“，”或其他字符。");
    if (name.startsWith(u'"'))
        return QStringLiteral(u"名称不能以英文双引号“\"”开头，请改用其他字符。");
    if (name.contains(QChar(model::CombinedSeparator)))
        return QStringLiteral(u"名称中不能含有字符 U+F8F5（合班课的分隔符），请删去它。");
    if (startsWithBlank(name))
        return QStringLiteral(u"名称不能以空格或制表符开头（课程设置文件读不回它们），"
                              u"请删去它们。");
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QStringLiteral(u"名称中不能含有换行符，请删去它。");
    return {};
}

QString spaceRefusal(const QString& what)
{
    return QStringLiteral(u"%1中不能含有空格“ ”，请删去空格或改用其他字符。").arg(what);
}

QString gbkRefusal(QStringView name)
{
    const QString outside = model::charactersOutsideGbk(name);
    if (outside.isEmpty())
        return {};
    const QString first = outside.left(outside.front().isHighSurrogate() ? 2 : 1);
    return QStringLiteral(u"名称中的字符“%1”（%2）无法保存到课程设置文件（GBK 编码），"
                          u"请改用其他字符。")
        .arg(first, codeOf(first.toUcs4().value(0)));
}

} // namespace

QString nameRefusal(NameList list, QStringView name)
{
    if (const QString refusal = storedTextRefusal(name); !refusal.isEmpty())
        return refusal;
    if (splitsAtSpaces(list) && name.contains(u' '))
        return spaceRefusal(list == NameList::Classes ? QStringLiteral(u"班级名称")
                                                      : QStringLiteral(u"课程名称"));
    if (const QString reserved = reservedNameRefusal(list, name); !reserved.isEmpty())
        return reserved;
    return gbkRefusal(name);
}

QString groupNameRefusal(QStringView name)
{
    if (const QString refusal = storedTextRefusal(name); !refusal.isEmpty())
        return refusal;
    if (name.contains(u' '))
        return spaceRefusal(QStringLiteral(u"合班组的名称"));
    return gbkRefusal(name);
}

} // namespace orve::school
