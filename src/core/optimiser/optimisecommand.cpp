#include "optimisecommand.h"

#include "adjust/handchanges.h"

#include "timetablechange.h"
#include "timetableloader.h"

#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/conflictlist.h"
#include "scheduler/doublebookings.h"
#include "scheduler/teacherindex.h"
#include "workspace.h"

#include <QElapsedTimer>

namespace orve::optimiser {

OptimiseOutcome removeDoubleBookings(Workspace& ws, const OptimiserOptions& options,
                                     Progress* progress, const scheduler::TimetableCount* counted)
{
    QElapsedTimer clock;
    clock.start();
    OptimiseOutcome outcome;
    outcome.before = counted ? *counted : scheduler::countTimetable(ws);
    outcome.after = outcome.before;
    if (outcome.before.double_bookings == 0 && outcome.before.unplaced == 0 &&
        outcome.before.ruleViolationTotal() == 0)
        return outcome;

    outcome.ran = true;
    LoadedTimetable loaded = loadTimetable(ws.school, ws.periodsPerDay());
    outcome.report = optimise(loaded.table, options, progress);
    outcome.unplacedCombined = loaded.unplacedCombined();
    model::ExchangeStep step =
        timetableChange(ws.school.masterTimetable, loaded, RemoveDoubleBookingsCaption);
    if (!step.empty()) {
        model::doStep(step, ws.school.masterTimetable);
        adjust::recordHandChange(ws, std::move(step));
    }
    adjust::refreshConflicts(ws);
    outcome.after = scheduler::countTimetable(ws);
    outcome.milliseconds = clock.elapsed();
    return outcome;
}

QString outcomeMessage(const OptimiseOutcome& outcome, const OptimiserOptions& options)
{
    if (!outcome.ran)
        return QStringLiteral(u"课程总表中没有重课，也没有未排入的课，无需调整。");
    QString text = QStringLiteral(u"消除重课完毕。\n重课：%1 处 → %2 处\n未排入的课：%3 节 → %4 节")
                       .arg(outcome.before.double_bookings)
                       .arg(outcome.after.double_bookings)
                       .arg(outcome.before.unplaced)
                       .arg(outcome.after.unplaced);
    if (outcome.before.ruleViolationTotal() > 0 || outcome.after.ruleViolationTotal() > 0)
        text += QStringLiteral(u"\n违反排课规则：%1 处 → %2 处")
                    .arg(outcome.before.ruleViolationTotal())
                    .arg(outcome.after.ruleViolationTotal());
    const OptimiserReport& report = outcome.report;
    if (report.stop == StopReason::Cancelled)
        text += QStringLiteral(u"\n已按“取消”提前停止，课程总表保留了此前找到的最好结果。");
    if (outcome.after.double_bookings > 0 && !options.allowMainAfternoon && report.triedRelaxed)
        text +=
            report.onlyWithMainAfternoon > 0
                ? QStringLiteral(u"\n主课留在上午时未能消除的重课中，有 %1 处在允许主课移出上午后"
                                 u"可以消除：可勾选“%2”后再运行。")
                      .arg(report.onlyWithMainAfternoon)
                      .arg(AllowMainAfternoonCaption)
                : QStringLiteral(u"\n即使允许主课移出上午，本次也未能再减少重课。");
    if (outcome.after.double_bookings > 0 && report.doubleBookingLowerBound > 0)
        text += (options.allowMainAfternoon
                     ? QStringLiteral(u"\n有的教师的课多于他能上课的节次，至少 %1 处重课无法避免。")
                     : QStringLiteral(u"\n有的教师的课多于他能上课的节次，主课留在上午时，"
                                      u"至少 %1 处重课无法避免。"))
                    .arg(report.doubleBookingLowerBound);
    if (outcome.after.ruleViolationTotal() > 0 && report.ruleViolationLowerBound > 0)
        text += QStringLiteral(u"\n有的连堂课找不到两节都能上课的相邻节次，至少 %1 处违反排课"
                               u"规则无法避免。")
                    .arg(report.ruleViolationLowerBound);
    if (outcome.after.unplaced > 0 && report.unplacedLowerBound > 0)
        text += QStringLiteral(u"\n有的班级计划的课时多于一周可排的节次，或者共用班级的合班课"
                               u"多于一周可排的节次，至少 %1 节课无法排入。")
                    .arg(report.unplacedLowerBound);
    return text;
}

} // namespace orve::optimiser
