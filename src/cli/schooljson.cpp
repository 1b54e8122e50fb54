#include "schooljson.h"

#include "model/slots.h"
#include "workspace.h"

#include <QJsonArray>

namespace orve::cli {

namespace {

QJsonArray rowTexts(const model::Grid& grid, int row)
{
    QJsonArray cells;
    for (int c = 0; c < grid.columnCount(); ++c)
        cells.append(grid.text({row, c}));
    return cells;
}

QJsonArray treeJson(const model::CombinedTree& tree)
{
    QJsonArray nodes;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const model::TreeNode& node = tree.node(i);
        nodes.append(QJsonObject{
            {QStringLiteral("key"), node.key},
            {QStringLiteral("text"), node.text},
            {QStringLiteral("parent"),
             node.parent < 0 ? QJsonValue() : QJsonValue(tree.node(node.parent).key)},
        });
    }
    return nodes;
}

} // namespace

QJsonObject schoolJson(const Workspace& ws)
{
    QJsonArray plan;
    for (int r = 0; r < ws.school.plan.rowCount(); ++r)
        plan.append(rowTexts(ws.school.plan, r));
    QJsonArray timetable;
    for (int r = model::FirstClassRow; r < ws.school.masterTimetable.rowCount(); ++r)
        timetable.append(rowTexts(ws.school.masterTimetable, r));

    return QJsonObject{
        {QStringLiteral("week"), QJsonObject{{QStringLiteral("Text1"), ws.school.week.morning},
                                             {QStringLiteral("Text2"), ws.school.week.afternoon},
                                             {QStringLiteral("Text4"), ws.school.week.evening},
                                             {QStringLiteral("Text8"), ws.school.week.days}}},
        {QStringLiteral("periodsPerDay"), ws.session.periodsPerDay},
        {QStringLiteral("title"), ws.school.title},
        {QStringLiteral("classes"), QJsonArray::fromStringList(ws.school.classes)},
        {QStringLiteral("courses"), QJsonArray::fromStringList(ws.school.courses)},
        {QStringLiteral("teachers"), QJsonArray::fromStringList(ws.school.teachers)},
        {QStringLiteral("venues"), QJsonArray::fromStringList(ws.school.venues)},
        {QStringLiteral("tree"), treeJson(ws.school.combinedGroups)},
        {QStringLiteral("fixedLessons"), QJsonArray::fromStringList(ws.school.fixedLessons)},
        {QStringLiteral("combinedLessons"), QJsonArray::fromStringList(ws.school.combinedLessons)},
        {QStringLiteral("plan"), plan},
        {QStringLiteral("timetableLoaded"), ws.session.timetableLoaded},
        {QStringLiteral("timetable"), timetable},
    };
}

} // namespace orve::cli
