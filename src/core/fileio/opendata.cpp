#include "opendata.h"

#include "openlayout.h"
#include "recordreader.h"
#include "recordtags.h"
#include "school/schoollimits.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace orve::fileio {

namespace {

QString withoutTag(const QString& value, QStringView tag)
{
    return value.left(value.size() - tag.size());
}

// A tree record is "parent text key": split at the first and the second space. The root's
// record names "goot" as its parent; the root comes back with its text as its key, the key
// the first group gives it anyway.
QString addTreeNode(conditions::CombinedTree& tree, const QString& value)
{
    if (tree.nodeCount() + 1 > school::MaxCombinedTreeNodes)
        return school::combinedTreeRefusal(tree.nodeCount() + 1);
    const QString record = withoutTag(value, tags::Tree);
    const qsizetype first = record.indexOf(u' ');
    const qsizetype second = first < 0 ? -1 : record.indexOf(u' ', first + 1);
    if (second < 0)
        return reasons::treeWithoutSpaces();
    const QString parentKey = record.left(first);
    const QString text = record.mid(first + 1, second - first - 1);
    const QString key = record.mid(second + 1);

    if (parentKey == tags::RootParent) {
        if (tree.nodeCount() > 0)
            return reasons::treeSecondRoot();
        tree.addRoot(text, text);
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
    std::optional<school::NameList> names; // none: the fixed-lesson entries
};

struct FieldTag
{
    QStringView tag;
    QString* (*field)(Workspace&);
};

const ListTag listTags[] = {
    {tags::Classes, &Workspace::List1, school::NameList::Classes},
    {tags::Venues, &Workspace::List2, school::NameList::Venues},
    {tags::Courses, &Workspace::List10, school::NameList::Courses},
    {tags::Teachers, &Workspace::List11, school::NameList::Teachers},
    {tags::FixedLessons, &Workspace::Combo6, std::nullopt},
};

const FieldTag fieldTags[] = {
    {tags::Morning, [](Workspace& ws) { return &ws.week.Text1; }},
    {tags::Afternoon, [](Workspace& ws) { return &ws.week.Text2; }},
    {tags::Evening, [](Workspace& ws) { return &ws.week.Text4; }},
    {tags::Days, [](Workspace& ws) { return &ws.week.Text8; }},
    {tags::Title, [](Workspace& ws) { return &ws.Text9; }},
};

// Why one more entry of the kind would take the school beyond its limits: checked before
// every entry is added, so that a small file cannot make Open build a huge plan.
QString roomRefusal(const Workspace& ws, const ListTag& kind)
{
    const qint64 size = qint64((ws.*kind.list).size()) + 1;
    if (!kind.names)
        return school::fixedLessonsRefusal(size);
    const qint64 classes = ws.List1.size() + (*kind.names == school::NameList::Classes ? 1 : 0);
    const qint64 courses = ws.List10.size() + (*kind.names == school::NameList::Courses ? 1 : 0);
    return school::growthRefusal(*kind.names, size, classes, courses);
}

struct Applied
{
    bool tagged = false; // the value ended in a known tag
    QString refusal;     // why the value cannot be taken; empty when it was
};

Applied applyValue(Workspace& ws, const QString& value)
{
    if (value.endsWith(tags::Tree))
        return {true, addTreeNode(ws.Tr3, value)};
    for (const ListTag& kind : listTags)
        if (value.endsWith(kind.tag)) {
            const QString refusal = roomRefusal(ws, kind);
            if (refusal.isEmpty())
                (ws.*kind.list).append(withoutTag(value, kind.tag));
            return {true, refusal};
        }
    if (value.endsWith(tags::CombinedLessons)) {
        const QString refusal = school::combinedLessonsRefusal(ws.Combo3.size() + 1);
        if (refusal.isEmpty())
            ws.Combo3.append(withoutTag(value, tags::CombinedLessons));
        return {true, refusal};
    }
    for (const FieldTag& kind : fieldTags)
        if (value.endsWith(kind.tag)) {
            *kind.field(ws) = withoutTag(value, kind.tag);
            return {true, {}};
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

bool blank(const QString& field)
{
    return QStringView(field).trimmed().isEmpty();
}

// Whether a line has the shape of a course-settings record: a tagged value with its two empty
// fields, or a grid cell with its column, row and tag.
bool isRecord(const Record& record, bool tagged)
{
    if (tagged)
        return blank(record.second) && blank(record.third);
    int number = 0;
    return (record.third.endsWith(tags::Timetable) || record.third.endsWith(tags::Plan)) &&
           cellNumber(record.first, number) && cellNumber(record.second, number);
}

struct StoredCell
{
    int row = 0;
    int column = 0;
    QString text;
};

// The stored cells of one grid in file order, and the last row and column they reach.
struct StoredCells
{
    std::vector<StoredCell> cells;
    int lastRow = -1;
    int lastColumn = -1;

    void add(StoredCell cell, QString text)
    {
        lastRow = std::max(lastRow, cell.row);
        lastColumn = std::max(lastColumn, cell.column);
        cell.text = std::move(text);
        cells.push_back(std::move(cell));
    }
};

} // namespace

void emptySchoolTables(Workspace& ws)
{
    ws.timetableLoaded = false;
    ws.jhb.clearCells();
    ws.MSGrid.clearCells();
    ws.msgrid1.clearCells();
    for (QStringList* list : {&ws.List1, &ws.List2, &ws.List10, &ws.List11, &ws.Combo6, &ws.Combo3})
        list->clear();
    for (int* selected :
         {&ws.List1Selected, &ws.List10Selected, &ws.List11Selected, &ws.List2Selected})
        *selected = -1;
    ws.fixedLessonChoosers.Combo4.clear();
    ws.fixedLessonChoosers.classIndex = -1;
    ws.fixedLessonChoosers.Combo6Text.clear(); // the entry it showed is gone
}

ReadError open_data(Workspace& ws, const QByteArray& bytes, ReadWarning* warning)
{
    emptySchoolTables(ws);
    ws.Tr3.clear();
    ws.fixedLessonChoosers.Text10 = QStringLiteral("0");

    RecordReader reader(bytes);
    Record record;
    int records = 0;
    while (reader.next(record)) {
        const Applied applied = applyValue(ws, record.first);
        if (!applied.refusal.isEmpty())
            return {record.line, applied.refusal};
        records += isRecord(record, applied.tagged) ? 1 : 0;
    }
    if (reader.error().failed())
        return reader.error();
    // An empty or foreign file would open as an empty school, and a later Save would
    // overwrite the good copy with it.
    if (records == 0)
        return {0, bytes.isEmpty() ? reasons::emptyFile() : reasons::noRecords()};
    if (warning && reader.unendedLastLine() > 0)
        *warning = {reader.unendedLastLine(), reasons::lastLineCut()};
    return {};
}

ReadError open_zkcb(Workspace& ws, const QByteArray& bytes)
{
    model::RedrawSuspender suspended(ws.MSGrid);
    school::cshjhb(ws);

    // The cells are gathered first, so that a grid that must grow to hold them grows once.
    StoredCells lessons;
    StoredCells plan;
    RecordReader reader(bytes);
    Record record;
    while (reader.next(record)) {
        const bool lesson = record.third.endsWith(tags::Timetable);
        if (!lesson && !record.third.endsWith(tags::Plan))
            continue;
        if (lesson)
            ws.timetableLoaded = true;
        StoredCell cell;
        if (!cellNumber(record.first, cell.column) || !cellNumber(record.second, cell.row))
            return {record.line, reasons::cellNotNumbered()};
        StoredCells& cells = lesson ? lessons : plan;
        cells.add(std::move(cell), withoutTag(record.third, lesson ? tags::Timetable : tags::Plan));
        const bool fits = lesson ? masterCanHold(ws, cells.lastRow, cells.lastColumn)
                                 : planCanHold(ws, cells.lastRow, cells.lastColumn);
        if (!fits)
            return {record.line, reasons::cellOutside()};
    }
    if (reader.error().failed())
        return reader.error();

    makeRoomInMaster(ws, lessons.lastRow, lessons.lastColumn);
    for (const StoredCell& cell : lessons.cells) {
        ws.MSGrid.setAlignment({cell.row, cell.column}, model::CellAlignment::CenterCenter);
        ws.MSGrid.setText({cell.row, cell.column}, cell.text);
    }
    makeRoomInPlan(ws, plan.lastRow, plan.lastColumn);
    for (const StoredCell& cell : plan.cells)
        ws.jhb.setText({cell.row, cell.column}, cell.text);
    return {};
}

} // namespace orve::fileio
