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

QJsonArray treeJson(const conditions::CombinedTree& tree)
{
    QJsonArray nodes;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const conditions::TreeNode& node = tree.node(i);
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
    for (int r = 0; r < ws.jhb.rowCount(); ++r)
        plan.append(rowTexts(ws.jhb, r));
    QJsonArray timetable;
    for (int r = model::FirstClassRow; r < ws.MSGrid.rowCount(); ++r)
        timetable.append(rowTexts(ws.MSGrid, r));

    return QJsonObject{
        {QStringLiteral("week"), QJsonObject{{QStringLiteral("Text1"), ws.week.Text1},
                                             {QStringLiteral("Text2"), ws.week.Text2},
                                             {QStringLiteral("Text4"), ws.week.Text4},
                                             {QStringLiteral("Text8"), ws.week.Text8}}},
        {QStringLiteral("periodsPerDay"), ws.periodsPerDay},
        {QStringLiteral("title"), ws.Text9},
        {QStringLiteral("classes"), QJsonArray::fromStringList(ws.List1)},
        {QStringLiteral("courses"), QJsonArray::fromStringList(ws.List10)},
        {QStringLiteral("teachers"), QJsonArray::fromStringList(ws.List11)},
        {QStringLiteral("venues"), QJsonArray::fromStringList(ws.List2)},
        {QStringLiteral("tree"), treeJson(ws.Tr3)},
        {QStringLiteral("fixedLessons"), QJsonArray::fromStringList(ws.Combo6)},
        {QStringLiteral("combinedLessons"), QJsonArray::fromStringList(ws.Combo3)},
        {QStringLiteral("plan"), plan},
        {QStringLiteral("timetableLoaded"), ws.timetableLoaded},
        {QStringLiteral("timetable"), timetable},
    };
}

} // namespace orve::cli
