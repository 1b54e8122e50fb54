#include "opendata.h"

#include "openlayout.h"
#include "recordreader.h"
#include "recordtags.h"
#include "school/teachingplan.h"
#include "workspace.h"

namespace orve::fileio {

namespace {

QString withoutTag(const QString& value, QStringView tag)
{
    return value.left(value.size() - tag.size());
}

// A tree record is "parent text key": split at the first and the second space. The root's
// record names "goot" as its parent; its key is kept as stored, so that a school saved again
// gives the same file.
QString addTreeNode(conditions::CombinedTree& tree, const QString& value)
{
    const QString record = withoutTag(value, tags::Tree);
    const qsizetype first = record.indexOf(u' ');
    const qsizetype second = first < 0 ? -1 : record.indexOf(u' ', first + 1);
    if (second < 0)
        return reasons::treeWithoutSpaces();
    const QString parentKey = record.left(first);
    const QString text = record.mid(first + 1, second - first - 1);
    QString key = record.mid(second + 1);

    if (parentKey == tags::RootParent) {
        if (tree.nodeCount() > 0)
            return reasons::treeSecondRoot();
        if (key.isEmpty())
            key = text;
        tree.addRoot(key, text);
        return {};
    }
    const int parent = tree.findKey(parentKey);
    if (parent < 0)
        return reasons::treeWithoutParent();
    if (tree.addChild(parent, key, text) < 0)
        return reasons::treeDuplicateKey();
    return {};
}

// The record kinds of open_data, tested in this order; a value matches at most one.
struct ListTag
{
    QStringView tag;
    QStringList Workspace::*list;
};

struct FieldTag
{
    QStringView tag;
    QString* (*field)(Workspace&);
};

const ListTag listTags[] = {
    {tags::Classes, &Workspace::List1},       {tags::Venues, &Workspace::List2},
    {tags::Courses, &Workspace::List10},      {tags::Teachers, &Workspace::List11},
    {tags::FixedLessons, &Workspace::Combo6},
};

const FieldTag fieldTags[] = {
    {tags::Morning, [](Workspace& ws) { return &ws.week.Text1; }},
    {tags::Afternoon, [](Workspace& ws) { return &ws.week.Text2; }},
    {tags::Evening, [](Workspace& ws) { return &ws.week.Text4; }},
    {tags::Days, [](Workspace& ws) { return &ws.week.Text8; }},
    {tags::Title, [](Workspace& ws) { return &ws.Text9; }},
};

QString applyValue(Workspace& ws, const QString& value)
{
    if (value.endsWith(tags::Tree))
        return addTreeNode(ws.Tr3, value);
    for (const ListTag& kind : listTags)
        if (value.endsWith(kind.tag)) {
            (ws.*kind.list).append(withoutTag(value, kind.tag));
            return {};
        }
    if (value.endsWith(tags::CombinedLessons)) {
        ws.Combo3.append(withoutTag(value, tags::CombinedLessons));
        return {};
    }
    for (const FieldTag& kind : fieldTags)
        if (value.endsWith(kind.tag)) {
            *kind.field(ws) = withoutTag(value, kind.tag);
            return {};
        }
    return {}; // grid-cell lines and anything without a known tag
}

// Column and row of a grid-cell line: decimal digits, blanks around them allowed.
bool cellNumber(const QString& field, int& number)
{
    const QStringView digits = QStringView(field).trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return false;
    number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    return true;
}

} // namespace

ReadError open_data(Workspace& ws, const QByteArray& bytes)
{
    ws.timetableLoaded = false;
    ws.Tr3.clear();
    ws.jhb.clearCells();
    ws.MSGrid.clearCells();
    ws.msgrid1.clearCells();
    for (QStringList* list : {&ws.List1, &ws.List2, &ws.List10, &ws.List11, &ws.Combo6, &ws.Combo3})
        list->clear();

    RecordReader reader(bytes);
    Record record;
    while (reader.next(record)) {
        const QString reason = applyValue(ws, record.first);
        if (!reason.isEmpty())
            return {record.line, reason};
    }
    return reader.error();
}

ReadError open_zkcb(Workspace& ws, const QByteArray& bytes)
{
    model::RedrawSuspender suspended(ws.MSGrid);
    school::cshjhb(ws);

    RecordReader reader(bytes);
    Record record;
    while (reader.next(record)) {
        const bool lesson = record.third.endsWith(tags::Timetable);
        if (!lesson && !record.third.endsWith(tags::Plan))
            continue;
        if (lesson)
            ws.timetableLoaded = true;
        int column = 0;
        int row = 0;
        if (!cellNumber(record.first, column) || !cellNumber(record.second, row))
            return {record.line, reasons::cellNotNumbered()};
        if (lesson) {
            if (!makeRoomInMaster(ws, row, column))
                return {record.line, reasons::cellOutside()};
            ws.MSGrid.setAlignment(row, column, model::CellAlignment::CenterCenter);
            ws.MSGrid.setText(row, column, withoutTag(record.third, tags::Timetable));
        } else {
            if (!makeRoomInPlan(ws, row, column))
                return {record.line, reasons::cellOutside()};
            ws.jhb.setText(row, column, withoutTag(record.third, tags::Plan));
        }
    }
    return reader.error();
}

} // namespace orve::fileio
