#include "schedulingrun.h"

#include "finishingpass.h"
#include "firststage.h"
#include "randomsource.h"
#include "rulefit.h"
#include "runstep.h"
#include "secondstage.h"
#include "thirdstage.h"

#include "school/weekcommands.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::scheduler {

namespace {

void tell(SchedulingStatus* status, const QString& progress)
{
    if (status)
        status->setProgress(progress);
}

// What a run changes, as it was before: put back when the user stops the run.
class BeforeRun
{
public:
    explicit BeforeRun(const Workspace& ws)
        : timetable_(ws.school.masterTimetable), plan_(ws.school.plan), session_(ws.session)
    {
    }

    void restore(Workspace& ws) const
    {
        // The grids announce their content again, so the modified flag follows by comparison.
        ws.school.masterTimetable = timetable_;
        ws.school.plan = plan_;
        Session session = session_;
        session.modified = ws.session.modified;
        ws.session = std::move(session);
        emit ws.notifier.conflictsChanged();
        emit ws.notifier.pickChanged();
        emit ws.notifier.historyChanged();
    }

private:
    model::Grid timetable_;
    model::Grid plan_;
    Session session_;
};

// The stages, each followed by the progress text it ends with; the first stopped ends the
// run.
RunProblems runStages(Workspace& ws, UiPort& ui, RandomSource& random, SchedulingStatus* status)
{
    ws.session.periodsPerDay = ws.school.week.periodsPerDay();
    ws.dropPick();
    ws.school.masterTimetable.clearCells();
    school::layOutEmptyMasterTimetable(ws);
    writeClassNames(ws);
    // The grid is hidden while the stages work: tell its observers once, at the end.
    model::RedrawSuspender quietTimetable(ws.school.masterTimetable);
    model::RedrawSuspender quietPlan(ws.school.plan);
    RunContext ctx(ws, ui, random, status);
    const std::pair<void (*)(RunContext&), QString> stages[] = {
        {&placeFirstStage, FirstStepDone},
        {&placeRemainingLessons, SecondStepDone},
        {&repairByExchanges, ThirdStepDone},
        {&repairByChains, QString()},
    };
    for (const auto& [stage, done] : stages) {
        stage(ctx);
        if (ctx.stopped()) {
            RunProblems stopped;
            stopped.stopped = true;
            return stopped;
        }
        if (!done.isEmpty())
            tell(status, done);
    }
    listRemainingClashes(ctx);
    restorePlanPeriods(ws);
    placeLessonsWithoutTeacher(ctx);
    emit ws.notifier.conflictsChanged();
    return ctx.problems;
}

} // namespace

RunProblems scheduleTimetable(Workspace& ws, UiPort& ui, RandomSource& random,
                              SchedulingStatus* status)
{
    const BeforeRun before(ws);
    RunProblems problems = runStages(ws, ui, random, status);
    // Once the stages have told their changes, so that the flag ends as it was.
    if (problems.stopped)
        before.restore(ws);
    return problems;
}

void runScheduling(Workspace& ws, UiPort& ui, RandomSource& random, SchedulingStatus& status)
{
    ui.showTab(MainTab::Scheduling);
    // What the rules make impossible is told before the run places what it can.
    if (const QString cannot = rulesThatCannotHoldMessage(
            rulesThatCannotHold(ws.school, ws.school.week.periodsPerDay()));
        !cannot.isEmpty())
        ui.message(cannot, MessageButtons::Ok, {}, MessageIcon::Warning);
    status.setWindowEnabled(false);
    status.setThinking(true);
    status.setTimetableVisible(false);
    RunStep step(ws);
    const RunProblems problems = scheduleTimetable(ws, ui, random, &status);
    if (!problems.stopped)
        step.record(ws);
    status.setWindowEnabled(true);
    ui.message(problems.stopped ? RunStopped : RunFinished, MessageButtons::Ok);
    status.setThinking(false);
    status.setProgress(QString());
    status.setTimetableVisible(true);
    for (const QString& text : problemMessages(problems))
        ui.message(text, MessageButtons::Ok, {}, MessageIcon::Warning);
    if (step.replacesHandChanges())
        ui.showStatus(RescheduledMessage);
}

void runScheduling(Workspace& ws, UiPort& ui, SchedulingStatus& status)
{
    SeededRandom random(SeededRandom::clockSeed());
    runScheduling(ws, ui, random, status);
}

QString listMessage(const QString& heading, const QStringList& items)
{
    constexpr int ListedItems = 20;
    QString text = heading;
    for (qsizetype i = 0; i < items.size() && i < ListedItems; ++i)
        text += u'\n' + items.at(i);
    if (items.size() > ListedItems)
        text += QStringLiteral(u"\n……共 %1 项").arg(items.size());
    return text;
}

QStringList problemMessages(const RunProblems& problems)
{
    QStringList messages;
    if (!problems.skippedFixedEntries.isEmpty())
        messages.append(listMessage(
            QStringLiteral(u"以下固定课没有按所定的节次排入（班级不在课程总表中、教学计划中没有"
                           u"这门课、星期或节次超出了每周的安排，或同一班级同一节次另有固定课）："),
            problems.skippedFixedEntries));
    if (!problems.skippedMembers.isEmpty())
        messages.append(
            listMessage(QStringLiteral(u"以下合班课成员的班级不在课程总表中，没有排入："),
                        problems.skippedMembers));
    if (!problems.leftOutMembers.isEmpty())
        messages.append(listMessage(
            QStringLiteral(
                u"以下合班课成员没有参加合班（同一个班级在一个合班课中出现了两次，或班级的"
                u"教学计划中没有这门课），教学计划中有的课按各班自己的课排入："),
            problems.leftOutMembers));
    if (!problems.unplacedCombined.isEmpty())
        messages.append(
            listMessage(QStringLiteral(u"以下合班课在各班找不到共同的空闲节次，没有排入："),
                        problems.unplacedCombined));
    if (!problems.unreadCombined.isEmpty())
        messages.append(listMessage(
            QStringLiteral(u"以下合班课的节数为空或不是数字，没有合班，各班的课分别排入："),
            problems.unreadCombined));
    return messages;
}

} // namespace orve::scheduler
