#include "headerrow.h"

namespace orve::exchange {

QString unknownColumn(const QString& header, int column)
{
    return QStringLiteral(u"第 %1 列“%2”不是可以导入的列，这一列没有导入。")
        .arg(column + 1)
        .arg(header);
}

QString repeatedColumn(const QString& header, int column)
{
    return QStringLiteral(u"第 %1 列“%2”与前面的列重复，这一列没有导入。")
        .arg(column + 1)
        .arg(header);
}

void refuseColumn(std::vector<RowResult>& headerResults, int headerRow, const QString& reason)
{
    if (headerResults.empty())
        headerResults.push_back({headerRow + 1, QStringLiteral(u"表头"), RowOutcome::Refused, {}});
    headerResults.front().reasons.append(reason);
}

QString listWord(school::NameList list)
{
    switch (list) {
    case school::NameList::Classes:
        return QStringLiteral(u"班级");
    case school::NameList::Courses:
        return QStringLiteral(u"课程");
    case school::NameList::Teachers:
        return QStringLiteral(u"教师");
    case school::NameList::Venues:
        return QStringLiteral(u"场地");
    }
    return {};
}

} // namespace orve::exchange
