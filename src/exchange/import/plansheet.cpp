#include "plansheet.h"

#include "sheetheaders.h"

#include "conditions/combinedclasses.h"
#include "model/combinedlesson.h"
#include "model/school.h"
#include "print/masterprint.h"
#include "school/planrows.h"
#include "school/teachingplan.h"

#include <QHash>
#include <array>

namespace orve::exchange {

namespace {

constexpr int FontPoints = 10;
constexpr std::array<double, PlanFieldCount> ColumnWidths = {90, 90, 90, 60, 50, 50, 90};

// Each tree member's group number: the group's text without its "合班课".
QHash<QString, QString> groupNumbers(const model::CombinedTree& tree)
{
    QHash<QString, QString> numbers;
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const int parent = tree.node(i).parent;
        if (parent < 0 || tree.node(parent).parent < 0)
            continue; // the root or a group
        numbers.insert(tree.node(i).text, conditions::groupNumber(tree.node(parent).text));
    }
    return numbers;
}

QString valueOf(const model::School& school, int row, PlanField field,
                const QHash<QString, QString>& groups)
{
    const model::Grid& plan = school.plan;
    switch (field) {
    case PlanField::Class:
        return plan.text({row, school::ClassColumn});
    case PlanField::Course:
        return plan.text({row, school::CourseColumn});
    case PlanField::Teacher:
        return plan.text({row, school::TeacherColumn});
    case PlanField::Periods:
        return plan.text({row, school::PeriodsColumn});
    case PlanField::Main:
        return plan.text({row, school::MainMarkColumn});
    case PlanField::Combined:
        return groups.value(model::combinedLessonEntry(plan.text({row, school::ClassColumn}),
                                                       plan.text({row, school::CourseColumn})));
    case PlanField::Venue:
        return plan.text({row, school::VenueColumn});
    }
    return {};
}

} // namespace

print::ReportSheet planSheet(const model::School& school)
{
    // A class's placeholder row has no course yet: nothing to import back.
    std::vector<int> rows;
    for (int row = school::PlanHeaderRow + 1; row < school.plan.rowCount(); ++row)
        if (school.plan.text({row, school::CourseColumn}) != school::placeholderCourse())
            rows.push_back(row);

    print::ReportSheet sheet;
    sheet.setRowCount(int(rows.size()) + 1);
    sheet.setColumnCount(PlanFieldCount);
    const QHash<QString, QString> groups = groupNumbers(school.combinedGroups);
    for (int c = 0; c < PlanFieldCount; ++c) {
        const PlanField field = PlanField(c);
        sheet.setColumnWidth(c, ColumnWidths[std::size_t(c)]);
        sheet.setCellString(c, 0, planFieldHeader(field));
        for (std::size_t i = 0; i < rows.size(); ++i)
            sheet.setCellString(c, int(i) + 1, valueOf(school, rows[i], field, groups));
        for (int r = 0; r < sheet.rowCount(); ++r) {
            sheet.setCellFont(c, r, FontPoints, {});
            sheet.setCellAlignment(c, r, print::CentredCode);
        }
    }
    print::ruleSheet(sheet, PlanFieldCount, sheet.rowCount());
    // The header row stays in view and heads every printed page.
    sheet.setPrintRange(0, 1, PlanFieldCount - 1, sheet.rowCount() - 1);
    return sheet;
}

} // namespace orve::exchange
