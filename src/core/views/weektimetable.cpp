#include "weektimetable.h"

#include "conditions/rulebook.h"
#include "model/chinesenumeral.h"
#include "model/grid.h"
#include "model/lessoncell.h"
#include "scheduler/doublebookings.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace orve::views {

WeekTimetable::WeekTimetable(int days, int periodsPerDay)
    : days_(std::max(days, 0)), periods_(std::max(periodsPerDay, 0)),
      cells_(std::size_t(days_) * std::size_t(periods_))
{
}

const WeekCell& WeekTimetable::cell(model::Slot slot) const
{
    static const WeekCell empty;
    return contains(slot) ? cells_[std::size_t((slot.period - 1) * days_ + slot.day - 1)] : empty;
}

void WeekTimetable::setCell(model::Slot slot, WeekCell cell)
{
    if (contains(slot))
        cells_[std::size_t((slot.period - 1) * days_ + slot.day - 1)] = std::move(cell);
}

QStringList dayHeaders(int days)
{
    model::ChineseNumeral numeral;
    QStringList headers;
    for (int d = 1; d <= days; ++d)
        headers.append(model::dayName(numeral, d));
    return headers;
}

QStringList periodHeaders(int periodsPerDay)
{
    model::ChineseNumeral numeral;
    QStringList headers;
    for (int p = 1; p <= periodsPerDay; ++p)
        headers.append(numeral(p));
    return headers;
}

QString classTimetableCaption(const QString& className)
{
    return QStringLiteral(u"班级课程表(%1)").arg(className);
}

QString teacherTimetableCaption(const QString& teacher)
{
    return QStringLiteral(u"教师任课表(%1)").arg(teacher);
}

int daysOf(const model::Grid& master, int periodsPerDay)
{
    const int slotColumns = master.columnCount() - 1;
    if (periodsPerDay <= 0 || slotColumns <= 0)
        return 0;
    return (slotColumns + periodsPerDay - 1) / periodsPerDay;
}

int findClassRow(const model::Grid& master, QStringView name)
{
    for (int r = model::FirstClassRow; r < master.rowCount(); ++r)
        if (master.text({r, model::ClassNameColumn}) == name)
            return r;
    return -1;
}

namespace {

// Whether the master cell's lesson and the one after it are a double period.
bool startsDoublePeriod(const conditions::RuleBook* rules, const model::Grid& master,
                        model::CellRef at)
{
    return rules && !rules->doublePeriodNeeds().isEmpty() &&
           rules->pairedColumn(master, at) == at.column + 1;
}

} // namespace

WeekTimetable classWeek(const model::Grid& master, int classRow, int periodsPerDay,
                        const conditions::RuleBook* rules)
{
    WeekTimetable week(daysOf(master, periodsPerDay), periodsPerDay);
    if (classRow < model::FirstClassRow || classRow >= master.rowCount())
        return week;
    for (int c = 1; c < master.columnCount(); ++c)
        week.setCell(model::slotOfColumn(c, periodsPerDay),
                     {master.text({classRow, c}), false,
                      startsDoublePeriod(rules, master, {classRow, c})});
    return week;
}

namespace {

QString lessonLine(const model::Grid& master, const std::vector<int>& rows, int column,
                   TeacherCellText text)
{
    QString line = model::coursePart(master.text({rows.front(), column})).toString();
    if (text == TeacherCellText::Course)
        return line;
    QStringList classes;
    for (int row : rows)
        classes.append(master.text({row, model::ClassNameColumn}));
    return model::lessonText(line, classes.join(u'、'));
}

} // namespace

std::vector<WeekTimetable> teacherWeeks(const model::Grid& master, const QStringList& teachers,
                                        int periodsPerDay, const scheduler::CombinedGroups& groups,
                                        TeacherCellText text, const conditions::RuleBook* rules)
{
    const WeekTimetable empty(daysOf(master, periodsPerDay), periodsPerDay);
    std::vector<WeekTimetable> weeks(std::size_t(teachers.size()), empty);
    QHash<QString, int> indexOf;
    for (int i = int(teachers.size()) - 1; i >= 0; --i)
        indexOf.insert(teachers.at(i), i);

    // Per column: (teacher, row) of every lesson of a listed teacher, sorted by teacher and
    // then row, so each teacher's lessons of the slot come together in class order.
    std::vector<std::pair<int, int>> booked;
    std::vector<int> rows;
    for (int c = 1; c < master.columnCount(); ++c) {
        booked.clear();
        for (int r = model::FirstClassRow; r < master.rowCount(); ++r) {
            const QString& cell = master.text({r, c});
            if (!scheduler::booksTeacher(cell))
                continue;
            const auto found = indexOf.constFind(model::teacherPart(cell).toString());
            if (found != indexOf.constEnd())
                booked.emplace_back(*found, r);
        }
        std::sort(booked.begin(), booked.end());
        const model::Slot slot = model::slotOfColumn(c, periodsPerDay);
        for (std::size_t i = 0; i < booked.size();) {
            rows.clear();
            std::size_t end = i;
            for (; end < booked.size() && booked[end].first == booked[i].first; ++end)
                rows.push_back(booked[end].second);
            QStringList lines;
            const auto lessons = scheduler::lessonsOf(master, rows, c, groups);
            for (const std::vector<int>& lesson : lessons)
                lines.append(lessonLine(master, lesson, c, text));
            const bool joins = lessons.size() == 1 &&
                               startsDoublePeriod(rules, master, {lessons.front().front(), c});
            weeks[std::size_t(booked[i].first)].setCell(
                slot, {lines.join(u'\n'), lessons.size() > 1, joins});
            i = end;
        }
    }
    // The double period's second lesson may share its period with another of the teacher's.
    for (WeekTimetable& week : weeks)
        for (int d = 1; d <= week.days(); ++d)
            for (int p = 1; p < week.periodsPerDay(); ++p)
                if (week.cell({d, p}).joinsNext && week.cell({d, p + 1}).doubleBooked) {
                    WeekCell cell = week.cell({d, p});
                    cell.joinsNext = false;
                    week.setCell({d, p}, cell);
                }
    return weeks;
}

WeekTimetable teacherWeek(const model::Grid& master, const QString& teacher, int periodsPerDay,
                          const scheduler::CombinedGroups& groups, TeacherCellText text,
                          const conditions::RuleBook* rules)
{
    return teacherWeeks(master, {teacher}, periodsPerDay, groups, text, rules).front();
}

} // namespace orve::views
