#include "namecheck.h"

#include "fileio/gbk.h"
#include "model/combinedlesson.h"

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

} // namespace

QString nameRefusal(NameList list, QStringView name)
{
    if (name.contains(u','))
        return QStringLiteral(u"名称中不能含有英文逗号“,”（课程设置文件用它分隔数据），"
                              u"请改用中文逗号“，”或其他字符。");
    if (name.startsWith(u'"'))
        return QStringLiteral(u"名称不能以英文双引号“\"”开头，请改用其他字符。");
    // The file skips blanks before a value, so " 张三" would come back as "张三".
    if (name.startsWith(u' ') || name.startsWith(u'\t'))
        return QStringLiteral(u"名称不能以空格开头（保存后会丢失，与另一名称重复），请删去开头的空格。");
    if (name.contains(QChar(model::CombinedSeparator)))
        return QStringLiteral(u"名称中不能含有字符 U+F8F5（合班课的分隔符），请删去它。");
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QStringLiteral(u"名称中不能含有换行符，请删去它。");
    if (splitsAtSpaces(list) && name.contains(u' ')) {
        const QString what = list == NameList::Classes ? QStringLiteral(u"班级名称")
                                                       : QStringLiteral(u"课程名称");
        return QStringLiteral(u"%1中不能含有空格“ ”，请删去空格或改用其他字符。").arg(what);
    }
    const QString outside = fileio::charactersOutsideGbk(name);
    if (!outside.isEmpty()) {
        const QString first = outside.left(outside.front().isHighSurrogate() ? 2 : 1);
        return QStringLiteral(u"名称中的字符“%1”（%2）无法保存到课程设置文件（GBK 编码），"
                              u"请改用其他字符。")
            .arg(first, codeOf(first.toUcs4().value(0)));
    }
    return {};
}

} // namespace orve::school
