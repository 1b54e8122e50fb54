#include "planimport.h"

#include "headerrow.h"

#include "conditions/combinedclasses.h"
#include "school/namecheck.h"
#include "school/schoollimits.h"
#include "school/teachingplan.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

namespace orve::exchange {

namespace {

using school::NameList;

constexpr std::array<std::pair<PlanField, NameList>, 4> NameFields = {{
    {PlanField::Course, NameList::Courses},
    {PlanField::Class, NameList::Classes},
    {PlanField::Teacher, NameList::Teachers},
    {PlanField::Venue, NameList::Venues},
}};

// The main-course column: "主", "是", "✓", "1" and the like mark a main course; "副", "否"
// and the like a minor one. None when the text is neither.
std::optional<QString> mainMark(const QString& text)
{
    static const QSet<QString> yes = {
        QStringLiteral(u"主"),  QStringLiteral(u"是"), QStringLiteral(u"✓"), QStringLiteral(u"✔"),
        QStringLiteral(u"√"),   QStringLiteral("1"),   QStringLiteral("y"),  QStringLiteral("yes"),
        QStringLiteral("true"), QStringLiteral("main")};
    static const QSet<QString> no = {
        QStringLiteral(u"副"), QStringLiteral(u"否"), QStringLiteral(u"×"),   QStringLiteral("0"),
        QStringLiteral("n"),   QStringLiteral("no"),  QStringLiteral("false")};
    const QString word = text.toLower();
    if (yes.contains(word))
        return school::MainCourseMark;
    if (no.contains(word))
        return QString();
    return std::nullopt;
}

// The group a combined cell names: "1" and "合班课1" are the same group.
using conditions::groupNumber;

void checkRecord(const SchoolDraft& draft, PlanRecord& record, RecordKind kind)
{
    for (const auto& [field, list] : NameFields) {
        const QString& name = record.value(field);
        if (name.isEmpty()) {
            const bool needed = field == PlanField::Class || field == PlanField::Course;
            if (needed && kind == RecordKind::PlanRows)
                record.refusals.append(QStringLiteral(u"缺少%1。").arg(listWord(list)));
            continue;
        }
        if (const QString refusal = school::nameRefusal(list, name); !refusal.isEmpty())
            record.refusals.append(
                QStringLiteral(u"%1“%2”：%3").arg(listWord(list), name, refusal));
    }
    const QString& periods = record.value(PlanField::Periods);
    if (!periods.isEmpty()) {
        const int most = school::maxPeriodsPerWeek(draft.school());
        bool number = false;
        const int count = periods.toInt(&number);
        if (!number || count < 1)
            record.refusals.append(
                QStringLiteral(u"周课时“%1”不是 1 到 %2 之间的整数。").arg(periods).arg(most));
        else if (count > most)
            record.refusals.append(
                QStringLiteral(u"周课时 %1 超过了每周的节数 %2。").arg(count).arg(most));
    }
    const QString& main = record.value(PlanField::Main);
    if (!main.isEmpty() && !mainMark(main))
        record.refusals.append(
            QStringLiteral(u"主课一栏的“%1”看不懂，请填“主”“是”“✓”或“1”，副课留空。").arg(main));
    const QString& combined = record.value(PlanField::Combined);
    if (!combined.isEmpty()) {
        if (const QString refusal = school::groupNameRefusal(groupNumber(combined));
            !refusal.isEmpty())
            record.refusals.append(QStringLiteral(u"合班“%1”：%2").arg(combined, refusal));
    }
}

// A sheet row is refused as a whole: a 任课表 row is one class's whole line.
void refuseWholeRows(std::vector<PlanRecord>& records)
{
    QHash<int, QStringList> reasons;
    for (const PlanRecord& record : records)
        reasons[record.sheetRow] += record.refusals;
    for (PlanRecord& record : records)
        if (record.refusals.isEmpty() && !reasons.value(record.sheetRow).isEmpty())
            record.refusals.append(QStringLiteral(u"同一行的其他内容被拒绝。"));
}

// The teacher a class's course will have: the sheet's, else the plan's.
QString teacherOf(const SchoolDraft& draft, const QString& className, const QString& course,
                  const QString& sheetTeacher)
{
    if (!sheetTeacher.isEmpty())
        return sheetTeacher;
    const int row = draft.planRow(className, course);
    return row < 0 ? QString() : draft.planText(row, school::TeacherColumn);
}

// The classes of a group, those it has already and those the sheet adds, are taught one course
// together, by one teacher.
void checkGroups(const SchoolDraft& draft, std::vector<PlanRecord>& records)
{
    std::map<QString, std::vector<PlanRecord*>> groups;
    for (PlanRecord& record : records)
        if (record.refusals.isEmpty() && !record.value(PlanField::Combined).isEmpty())
            groups[groupNumber(record.value(PlanField::Combined))].push_back(&record);
    for (const auto& [group, members] : groups) {
        QStringList courses;
        QStringList teachers;
        const auto add = [&](const QString& className, const QString& course,
                             const QString& sheetTeacher) {
            if (!courses.contains(course))
                courses.append(course);
            const QString teacher = teacherOf(draft, className, course, sheetTeacher);
            if (!teacher.isEmpty() && !teachers.contains(teacher))
                teachers.append(teacher);
        };
        for (const auto& [className, course] : draft.groupMembers(group))
            add(className, course, {});
        for (const PlanRecord* member : members)
            add(member->value(PlanField::Class), member->value(PlanField::Course),
                member->value(PlanField::Teacher));
        QString refusal;
        if (courses.size() > 1)
            refusal =
                QStringLiteral(u"合班“%1”的班级上的课程不同：%2。").arg(group, courses.join(u'、'));
        else if (teachers.size() > 1)
            refusal = QStringLiteral(u"合班“%1”的班级任课教师不同：%2。")
                          .arg(group, teachers.join(u'、'));
        if (!refusal.isEmpty())
            for (PlanRecord* member : members)
                member->refusals.append(refusal);
    }
}

// The names the sheet brings, each list in sheet order. A row whose names would take a list
// or the plan beyond the school's limits is refused, and so is a row refused already: a
// refused row leaves no name behind.
std::array<QStringList, 4> newNames(const SchoolDraft& draft, std::vector<PlanRecord>& records)
{
    std::array<QStringList, 4> added;
    std::array<QSet<QString>, 4> pending;
    for (auto first = records.begin(); first != records.end();) {
        const int sheetRow = first->sheetRow;
        const auto last = std::find_if(first, records.end(), [sheetRow](const PlanRecord& r) {
            return r.sheetRow != sheetRow;
        });
        std::array<QStringList, 4> brought;
        bool refused = false;
        for (auto record = first; record != last; ++record) {
            refused = refused || !record->refusals.isEmpty();
            for (std::size_t i = 0; i < NameFields.size(); ++i) {
                const QString& name = record->value(NameFields[i].first);
                if (!name.isEmpty() && !draft.contains(NameFields[i].second, name) &&
                    !pending[i].contains(name) && !brought[i].contains(name))
                    brought[i].append(name);
            }
        }
        const auto size = [&](std::size_t i) {
            return qint64(school::names(draft.school(), NameFields[i].second).size() +
                          added[i].size() + brought[i].size());
        };
        QString refusal;
        for (std::size_t i = 0; i < NameFields.size() && refusal.isEmpty(); ++i)
            if (!brought[i].isEmpty())
                refusal = school::growthRefusal(NameFields[i].second, size(i), size(1), size(0));
        if (!refusal.isEmpty())
            first->refusals.append(refusal + QStringLiteral(u"。"));
        if (!refused && refusal.isEmpty())
            for (std::size_t i = 0; i < NameFields.size(); ++i) {
                added[i] += brought[i];
                for (const QString& name : brought[i])
                    pending[i].insert(name);
                for (auto record = first; record != last; ++record)
                    record->bringsNames = record->bringsNames || !brought[i].isEmpty();
            }
        first = last;
    }
    return added;
}

// Sets the values the record gives; whether the row changed.
bool setValues(SchoolDraft& draft, int row, const PlanRecord& record)
{
    bool changed = false;
    const auto set = [&](int column, const QString& text) {
        if (draft.planText(row, column) != text) {
            draft.setPlanText(row, column, text);
            changed = true;
        }
    };
    if (!record.value(PlanField::Teacher).isEmpty())
        set(school::TeacherColumn, record.value(PlanField::Teacher));
    if (!record.value(PlanField::Periods).isEmpty()) {
        set(school::PeriodsColumn, QString::number(record.value(PlanField::Periods).toInt()));
        set(school::PeriodsBackupColumn, draft.planText(row, school::PeriodsColumn));
    }
    if (!record.value(PlanField::Main).isEmpty())
        set(school::MainMarkColumn, *mainMark(record.value(PlanField::Main)));
    if (!record.value(PlanField::Venue).isEmpty())
        set(school::VenueColumn, record.value(PlanField::Venue));
    if (!record.value(PlanField::Combined).isEmpty() &&
        draft.combine(groupNumber(record.value(PlanField::Combined)), row))
        changed = true;
    return changed;
}

RowOutcome outcomeOf(const PlanRecord& record, bool existed, bool changed)
{
    if (!record.refusals.isEmpty())
        return RowOutcome::Refused;
    if (!existed)
        return RowOutcome::Added;
    return changed ? RowOutcome::Updated : RowOutcome::Unchanged;
}

QString subjectOf(const PlanRecord& record, RecordKind kind)
{
    if (kind == RecordKind::PlanRows)
        return (record.value(PlanField::Class) + u' ' + record.value(PlanField::Course)).trimmed();
    QStringList names;
    for (const auto& [field, list] : NameFields)
        if (!record.value(field).isEmpty())
            names.append(record.value(field));
    return names.join(u'、');
}

// A sheet row's outcome: refused, else added when it added a plan row, else updated when it
// changed one.
void mergeInto(RowResult& row, RowOutcome outcome, const QStringList& reasons)
{
    static const std::array<int, 4> rank = {2, 1, 0, 3}; // Added, Updated, Unchanged, Refused
    if (rank[std::size_t(outcome)] > rank[std::size_t(row.outcome)])
        row.outcome = outcome;
    for (const QString& reason : reasons)
        if (!row.reasons.contains(reason))
            row.reasons.append(reason);
}

} // namespace

std::vector<RowResult> importRecords(SchoolDraft& draft, std::vector<PlanRecord> records,
                                     RecordKind kind)
{
    for (PlanRecord& record : records)
        checkRecord(draft, record, kind);
    refuseWholeRows(records);
    checkGroups(draft, records);
    refuseWholeRows(records);
    const std::array<QStringList, 4> added = newNames(draft, records);
    refuseWholeRows(records);

    std::vector<bool> existed;
    existed.reserve(records.size());
    for (const PlanRecord& record : records)
        existed.push_back(kind == RecordKind::Names
                              ? !record.bringsNames
                              : draft.planRow(record.value(PlanField::Class),
                                              record.value(PlanField::Course)) >= 0);
    for (std::size_t i = 0; i < NameFields.size(); ++i)
        for (const QString& name : added[i])
            draft.addName(NameFields[i].second, name);

    std::vector<RowResult> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const PlanRecord& record = records[i];
        bool changed = false;
        if (record.refusals.isEmpty() && kind == RecordKind::PlanRows)
            changed = setValues(
                draft,
                draft.planRow(record.value(PlanField::Class), record.value(PlanField::Course)),
                record);
        if (rows.empty() || rows.back().sheetRow != record.sheetRow)
            rows.push_back({record.sheetRow, subjectOf(record, kind), RowOutcome::Unchanged, {}});
        else // a 任课表 row: the class's whole line
            rows.back().subject = record.value(PlanField::Class);
        mergeInto(rows.back(), outcomeOf(record, existed[i], changed), record.refusals);
    }
    return rows;
}

} // namespace orve::exchange
