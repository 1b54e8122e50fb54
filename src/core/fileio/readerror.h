// Why a course-settings file could not be read, and where.
#pragma once

#include <QString>

namespace orve::fileio {

struct ReadError
{
    int line = 0;   // from 1; 0 when the file as a whole could not be read
    QString reason; // empty: no error

    bool failed() const { return !reason.isEmpty(); }
};

// A file that could be read, but whose line `line` looks damaged (cut short): the user
// decides whether to open it.
struct ReadWarning
{
    int line = 0;   // from 1; 0: nothing looks damaged
    QString reason;

    bool any() const { return line > 0; }
};

// The reasons a line cannot be read, as the user is told them.
namespace reasons {
inline QString notGbk()
{
    return QStringLiteral(u"含有不是 GBK 编码的文字");
}
inline QString missingFields()
{
    return QStringLiteral(u"文件在一行的三个字段读完之前结束");
}
inline QString treeWithoutSpaces()
{
    return QStringLiteral(u"合班课组合记录缺少两个空格");
}
inline QString treeWithoutParent()
{
    return QStringLiteral(u"合班课组合记录的上级节点不存在");
}
inline QString treeDuplicateKey()
{
    return QStringLiteral(u"合班课组合记录的关键字重复");
}
inline QString treeSecondRoot()
{
    return QStringLiteral(u"合班课组合记录有第二个根节点");
}
inline QString ruleUnreadable()
{
    return QStringLiteral(u"排课规则记录的名称或数字无法读出");
}
inline QString cellNotNumbered()
{
    return QStringLiteral(u"单元格的列号或行号不是数字");
}
inline QString cellOutside()
{
    return QStringLiteral(u"单元格的位置超出课表的范围");
}
inline QString tooLarge()
{
    return QStringLiteral(u"文件太大，不是课程设置文件");
}
inline QString emptyFile()
{
    return QStringLiteral(u"文件是空的，不是课程设置文件");
}
inline QString noRecords()
{
    return QStringLiteral(u"文件中没有任何课程设置记录，不是课程设置文件");
}
inline QString lastLineCut()
{
    return QStringLiteral(u"文件在这一行的中间结束，后面的内容可能已经丢失");
}
} // namespace reasons

} // namespace orve::fileio
