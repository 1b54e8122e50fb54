// The automatic scheduling run runScheduling: an empty master timetable with the class names, then
// the first, second and third stages and the finishing pass, one generator seeded once for
// the whole run. The window shows its progress through SchedulingStatus; what the run could
// not place is told to the user after the closing message.
#pragma once

#include "runcontext.h"

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {

class RandomSource;

inline const QString ThinkingText = QStringLiteral(u"系统正在思考，请稍后......");
inline const QString FirstStepDone = QStringLiteral(u"系统已完成第一步思考");
inline const QString SecondStepDone = QStringLiteral(u"系统已完成第二步思考");
inline const QString ThirdStepDone = QStringLiteral(u"系统已完成第三步思考");
inline const QString RunFinished = QStringLiteral(u"思考完毕,您可以通过手动排课再次优化");
inline const QString RunStopped =
    QStringLiteral(u"自动排课已取消，课程总表和教学计划保持排课以前的样子。");

// What the window shows while a run lasts.
class SchedulingStatus
{
public:
    virtual ~SchedulingStatus() = default;
    virtual void setWindowEnabled(bool enabled) = 0;
    // Shown: the thinking label in front, the title field hidden; and back.
    virtual void setThinking(bool shown) = 0;
    virtual void setProgress(const QString& text) = 0;
    virtual void setTimetableVisible(bool visible) = 0;
    // Asked whenever pending events have run: true stops the run, which then puts the
    // timetable back as it was before it started.
    virtual bool stopRequested() { return false; }
};

// The stages alone, from the periods per day and an empty master timetable to the finishing
// pass; reports nothing. `status` (optional) hears the progress texts and may stop the run:
// then the timetable, the plan and the session are put back as they were.
RunProblems scheduleTimetable(Workspace& ws, UiPort& ui, RandomSource& random,
                              SchedulingStatus* status = nullptr);

// The command: the scheduling tab, the disabled window and its progress texts, the closing
// message, then one message for each kind of problem (or, when stopped, that it was). The run
// is one step of the history of changes made by hand (RunStep).
void runScheduling(Workspace& ws, UiPort& ui, RandomSource& random, SchedulingStatus& status);
// As above with a generator seeded from the clock.
void runScheduling(Workspace& ws, UiPort& ui, SchedulingStatus& status);

// The messages that tell the user what a run skipped or could not place (none when nothing).
QStringList problemMessages(const RunProblems& problems);

// The heading, then the first twenty items one to a line and how many there are in all.
QString listMessage(const QString& heading, const QStringList& items);

} // namespace orve::scheduler
