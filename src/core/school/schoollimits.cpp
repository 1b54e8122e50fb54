#include "schoollimits.h"

#include "model/school.h"

#include <algorithm>

namespace orve::school {

namespace {

QString listName(NameList list)
{
    switch (list) {
    case NameList::Classes:
        return QStringLiteral(u"班级");
    case NameList::Courses:
        return QStringLiteral(u"课程");
    case NameList::Teachers:
        return QStringLiteral(u"教师");
    case NameList::Venues:
        return QStringLiteral(u"教学场地");
    }
    return {};
}

QString tooMany(const QString& what, qint64 limit)
{
    return QStringLiteral(u"%1太多，最多可有 %2 个").arg(what).arg(limit);
}

QString beyond(qint64 count, qint64 limit, const QString& what)
{
    return count > limit ? tooMany(what, limit) : QString();
}

} // namespace

qint64 maxEntries(NameList list)
{
    switch (list) {
    case NameList::Classes:
        return 2000;
    case NameList::Courses:
        return 1000;
    case NameList::Teachers:
    case NameList::Venues:
        return 10000;
    }
    return 0;
}

qint64 planRowsFor(qint64 classes, qint64 courses)
{
    return classes * std::max<qint64>(courses, 1) + 1;
}

QString growthRefusal(NameList list, qint64 listSize, qint64 classes, qint64 courses)
{
    if (listSize > maxEntries(list))
        return tooMany(listName(list), maxEntries(list));
    if (planRowsFor(classes, courses) > MaxPlanRows)
        return QStringLiteral(u"班级数乘以课程数不能超过 %1（教学计划的行数上限）")
            .arg(MaxPlanRows - 1);
    return {};
}

QString fixedLessonsRefusal(qint64 count)
{
    return beyond(count, MaxFixedLessons, QStringLiteral(u"固定课程"));
}

QString rulesRefusal(qint64 count)
{
    return beyond(count, MaxRules, QStringLiteral(u"排课规则"));
}

QString combinedLessonsRefusal(qint64 count)
{
    return beyond(count, MaxCombinedLessons, QStringLiteral(u"合班课"));
}

QString combinedTreeRefusal(qint64 nodes)
{
    return beyond(nodes, MaxCombinedTreeNodes, QStringLiteral(u"合班课组合的节点"));
}

QString sizeRefusal(const model::School& school)
{
    const qint64 classes = school.classes.size();
    const qint64 courses = school.courses.size();
    QStringList refusals;
    for (const NameList list : AllNameLists)
        refusals.append(growthRefusal(list, names(school, list).size(), classes, courses));
    refusals.append(fixedLessonsRefusal(school.fixedLessons.size()));
    refusals.append(combinedLessonsRefusal(school.combinedLessons.size()));
    refusals.append(combinedTreeRefusal(school.combinedGroups.nodeCount()));
    refusals.append(rulesRefusal(qint64(school.rules.size())));
    refusals.removeAll(QString());
    return refusals.value(0);
}

} // namespace orve::school
