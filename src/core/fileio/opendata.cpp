#include "opendata.h"

#include "openlayout.h"
#include "recordreader.h"
#include "recordtags.h"
#include "rulerecords.h"
#include "school/schoollimits.h"
#include "school/teachingplan.h"
#include "schoolreader.h"

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
QString addTreeNode(model::CombinedTree& tree, const QString& value)
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

// The record kinds of readTaggedValues, tested in this order; a value matches at most one.
struct ListTag
{
    QStringView tag;
    QStringList model::School::*list;
    std::optional<school::NameList> names; // none: the fixed-lesson entries
};

struct FieldTag
{
    QStringView tag;
    QString model::WeekStructure::*weekField; // none: the title
};

const ListTag listTags[] = {
    {tags::Classes, &model::School::classes, school::NameList::Classes},
    {tags::Venues, &model::School::venues, school::NameList::Venues},
    {tags::Courses, &model::School::courses, school::NameList::Courses},
    {tags::Teachers, &model::School::teachers, school::NameList::Teachers},
    {tags::FixedLessons, &model::School::fixedLessons, std::nullopt},
};

const FieldTag fieldTags[] = {
    {tags::Morning, &model::WeekStructure::morning},
    {tags::Afternoon, &model::WeekStructure::afternoon},
    {tags::Evening, &model::WeekStructure::evening},
    {tags::Days, &model::WeekStructure::days},
    {tags::Title, nullptr},
};

// Why one more entry of the kind would take the school beyond its limits: checked before
// every entry is added, so that a small file cannot make Open build a huge plan.
QString roomRefusal(const model::School& school, const ListTag& kind)
{
    const qint64 size = qint64((school.*kind.list).size()) + 1;
    if (!kind.names)
        return school::fixedLessonsRefusal(size);
    const bool classes = *kind.names == school::NameList::Classes;
    const bool courses = *kind.names == school::NameList::Courses;
    return school::growthRefusal(*kind.names, size, school.classes.size() + (classes ? 1 : 0),
                                 school.courses.size() + (courses ? 1 : 0));
}

struct Applied
{
    bool tagged = false; // the value ended in a known tag
    QString refusal;     // why the value cannot be taken; empty when it was
};

Applied applyValue(model::School& school, const QString& value)
{
    if (value.endsWith(tags::Tree))
        return {true, addTreeNode(school.combinedGroups, value)};
    for (const ListTag& kind : listTags)
        if (value.endsWith(kind.tag)) {
            const QString refusal = roomRefusal(school, kind);
            if (refusal.isEmpty())
                (school.*kind.list).append(withoutTag(value, kind.tag));
            return {true, refusal};
        }
    if (value.endsWith(tags::CombinedLessons)) {
        const QString refusal = school::combinedLessonsRefusal(school.combinedLessons.size() + 1);
        if (refusal.isEmpty())
            school.combinedLessons.append(withoutTag(value, tags::CombinedLessons));
        return {true, refusal};
    }
    for (const FieldTag& kind : fieldTags)
        if (value.endsWith(kind.tag)) {
            QString& field = kind.weekField ? school.week.*kind.weekField : school.title;
            field = withoutTag(value, kind.tag);
            return {true, {}};
        }
    if (isRuleRecord(value)) {
        QString refusal = school::rulesRefusal(qint64(school.rules.size()) + 1);
        if (refusal.isEmpty())
            refusal = readRuleRecord(school.rules, value);
        return {true, refusal};
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

ReadError readTaggedValues(OpenedSchool& opened, const QByteArray& bytes, ReadWarning* warning)
{
    model::School& school = opened.school;
    for (QStringList* list : {&school.classes, &school.venues, &school.courses, &school.teachers,
                              &school.fixedLessons, &school.combinedLessons})
        list->clear();
    school.combinedGroups.clear();
    school.rules = {};
    school.plan.clearCells();
    school.masterTimetable.clearCells();
    opened.fixedLessonGrid.clearCells();
    opened.timetableLoaded = false;

    RecordReader reader(bytes);
    Record record;
    int records = 0;
    while (reader.next(record)) {
        const Applied applied = applyValue(school, record.first);
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

ReadError readGridCells(OpenedSchool& opened, const QByteArray& bytes)
{
    model::School& school = opened.school;
    model::RedrawSuspender suspended(school.masterTimetable);
    school::rebuildPlanSkeleton(school);

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
            opened.timetableLoaded = true;
        StoredCell cell;
        if (!cellNumber(record.first, cell.column) || !cellNumber(record.second, cell.row))
            return {record.line, reasons::cellNotNumbered()};
        QString text = withoutTag(record.third, lesson ? tags::Timetable : tags::Plan);
        // The writer stores no empty cell: one in a hand-made file leaves what the layout put
        // there (a header of the plan), as a saved file would.
        if (text.isEmpty())
            continue;
        StoredCells& cells = lesson ? lessons : plan;
        cells.add(std::move(cell), std::move(text));
        const bool fits =
            lesson ? masterCanHold(school.masterTimetable, cells.lastRow, cells.lastColumn)
                   : planCanHold(school.plan, cells.lastRow, cells.lastColumn);
        if (!fits)
            return {record.line, reasons::cellOutside()};
    }
    if (reader.error().failed())
        return reader.error();

    makeRoomInMaster(opened, lessons.lastRow, lessons.lastColumn);
    for (const StoredCell& cell : lessons.cells) {
        school.masterTimetable.setAlignment({cell.row, cell.column},
                                            model::CellAlignment::CenterCenter);
        school.masterTimetable.setText({cell.row, cell.column}, cell.text);
    }
    makeRoomInPlan(school.plan, plan.lastRow, plan.lastColumn);
    for (const StoredCell& cell : plan.cells)
        school.plan.setText({cell.row, cell.column}, cell.text);
    return {};
}

} // namespace orve::fileio
