// The scheduling run in the window: menu and toolbar start it on the scheduling tab, the
// window is disabled and the thinking label shown while it lasts, the closing message comes
// with the timetable still hidden, and the conflict list is shown afterwards.
#include "../core/scheduler/schedulerfixture.h"

#include "adjust/lessonswap.h"
#include "commands/schedulingcommand.h"
#include "fakeuiport.h"
#include "grid/gridpage.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "pages/schedulingpage.h"
#include "pages/schedulingstatus.h"
#include "platform/pacedeventport.h"
#include "scheduler/runstep.h"
#include "scheduler/schedulingrun.h"
#include "scheduler/timetablecount.h"
#include "schoolgenerator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace orve;
using namespace Qt::StringLiterals;
using orve::ui::MainWindow;

namespace {

// What the window looked like while each message box was up; closes every box.
struct BoxWatch
{
    struct Seen
    {
        QString text;
        bool windowEnabled = false;
        bool thinkingShown = false;
        bool timetableShown = false;
        QString progress;
    };
    QList<Seen> seen;
    QTimer timer;

    explicit BoxWatch(MainWindow& window)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, &window] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.append({box->text(), window.isEnabled(),
                         window.schedulingStatus()->thinkingLabel()->isVisibleTo(&window),
                         window.schedulingPage()->view()->isVisibleTo(&window),
                         window.schedulingStatus()->progressLabel()->text()});
            box->done(0);
        });
        timer.start();
    }
};

void makeSchool(Workspace& ws)
{
    test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s}, {u"语文"_s, u"数学"_s}, 3, 2, 5);
    for (int i = 0; i < 3; ++i) {
        test::setPlan(ws, i, 0, {u"张三"_s, 6, true});
        test::setPlan(ws, i, 1, {u"王%1"_s.arg(i), 5, false});
    }
}

} // namespace

class TestSchedulingCommand : public QObject
{
    Q_OBJECT

private slots:
    void theMenuCommandRunsOnTheSchedulingTab()
    {
        MainWindow window;
        window.show();
        makeSchool(window.workspace());
        window.workspace().school.fixedLessons = {u"X 语文 1 1"_s};
        window.tabs()->setCurrentIndex(0);
        BoxWatch watch(window);
        window.actions().autoSchedule->trigger();

        QCOMPARE(window.tabs()->currentIndex(), 3);
        QCOMPARE(watch.seen.size(), 2);
        const auto& finished = watch.seen.first();
        QCOMPARE(finished.text, scheduler::RunFinished);
        QVERIFY(finished.windowEnabled);
        QVERIFY(finished.thinkingShown);
        QVERIFY(!finished.timetableShown);
        QCOMPARE(finished.progress, scheduler::ThirdStepDone);
        QVERIFY(watch.seen.at(1).text.contains(u"X 语文 1 1"_s));

        QVERIFY(window.isEnabled());
        QVERIFY(!window.schedulingStatus()->thinkingLabel()->isVisibleTo(&window));
        QCOMPARE(window.schedulingStatus()->thinkingLabel()->text(),
                 u"系统正在思考，请稍后......"_s);
        QVERIFY(window.schedulingStatus()->progressLabel()->text().isEmpty());
        QVERIFY(window.schedulingPage()->view()->isVisibleTo(&window));
        const scheduler::TimetableCount count = scheduler::countTimetable(window.workspace());
        QCOMPARE(count.lessons_placed, 33);
        QComboBox* conflictList = window.schedulingStatus()->conflictList();
        QCOMPARE(conflictList->count(), int(window.workspace().session.conflicts.size()));
        QVERIFY(conflictList->isVisibleTo(&window));
    }

    // A run shorter than the progress dialog's delay ends with its message box in front: the
    // dialog must not show itself over the box once the delay is over.
    void aShortRunsClosingMessageStaysInFront()
    {
        MainWindow window;
        window.show();
        makeSchool(window.workspace());
        window.findChild<ui::SchedulingCommand*>()->progressDelayMs = 30;
        bool covered = false;
        int boxes = 0;
        QElapsedTimer held;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, this, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<QMessageBox*>(widget); found && found->isVisible())
                    box = found;
            if (!box)
                return;
            if (!held.isValid())
                held.start();
            const auto* dialog = window.findChild<QProgressDialog*>();
            covered = covered || (dialog && dialog->isVisible());
            if (held.elapsed() > 120) {
                ++boxes;
                held.invalidate();
                box->done(0);
            }
        });
        watch.start();
        window.actions().autoSchedule->trigger();
        QVERIFY(boxes >= 1);
        QVERIFY(!covered);
    }

    // A run that lasts shows a window-modal progress dialog over the disabled window; its
    // 取消 stops the run and the timetable is as it was.
    void aRunCanBeStoppedFromItsProgressDialog()
    {
        MainWindow window;
        window.show();
        Workspace& ws = window.workspace();
        bench::SchoolShape shape;
        shape.classes = 400;
        shape.classesPerTeacher = 7;
        shape.load = 0.97;
        bench::generateSchool(ws, shape);
        const QString before = ws.school.masterTimetable.text({2, 1});
        window.findChild<ui::SchedulingCommand*>()->progressDelayMs = 0;

        bool seen = false;
        QTimer clicker;
        clicker.setInterval(1);
        connect(&clicker, &QTimer::timeout, this, [&] {
            auto* dialog = window.findChild<QProgressDialog*>();
            if (seen || !dialog || !dialog->isVisible())
                return;
            seen = true;
            QVERIFY(dialog->windowModality() == Qt::WindowModal && dialog->isEnabled() &&
                    !window.isEnabled());
            QCOMPARE(dialog->accessibleName(), u"自动排课进度"_s);
            QPushButton* cancel = dialog->findChild<QPushButton*>();
            QCOMPARE(cancel->text(), u"取消"_s);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        clicker.start();
        BoxWatch watch(window);
        window.actions().autoSchedule->trigger();
        QVERIFY(seen);
        QCOMPARE(watch.seen.size(), 1);
        QCOMPARE(watch.seen.first().text, scheduler::RunStopped);
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), before);
        QCOMPARE(scheduler::countTimetable(ws).lessons_placed, 0);
        QVERIFY(window.isEnabled());
        QVERIFY(!window.findChild<QProgressDialog*>());
    }

    void eventsArePacedToOncePerFrame()
    {
        test::FakeUiPort window;
        ui::PacedEventPort paced(window);
        QThread::msleep(ui::PacedEventPort::FrameMilliseconds + 5);
        for (int i = 0; i < 10000; ++i)
            paced.processEvents();
        QCOMPARE(window.processedEvents, 1);
        QThread::msleep(ui::PacedEventPort::FrameMilliseconds + 5);
        for (int i = 0; i < ui::PacedEventPort::CallsPerClockRead; ++i)
            paced.processEvents();
        QCOMPARE(window.processedEvents, 2);
        // Everything else goes straight through.
        paced.showTab(MainTab::Scheduling);
        QCOMPARE(window.tabsShown, QList<MainTab>{MainTab::Scheduling});
        paced.showStatus(u"已保存"_s);
        QCOMPARE(window.statuses, QStringList{u"已保存"_s});
    }

    void theToolbarButtonRunsItToo()
    {
        MainWindow window;
        window.show();
        makeSchool(window.workspace());
        BoxWatch watch(window);
        window.toolbarButton(15)->trigger();
        QCOMPARE(watch.seen.size(), 1);
        QCOMPARE(watch.seen.first().text, scheduler::RunFinished);
        QCOMPARE(scheduler::countTimetable(window.workspace()).lessons_placed, 33);
        QCOMPARE(window.actions().autoSchedule->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));

        // A run over hand work starts at once; the status bar tells how to take it back.
        adjust::swapLessons(window.workspace(), {2, 1}, {2, 2});
        window.actions().autoSchedule->trigger();
        QCOMPARE(watch.seen.size(), 2);
        QCOMPARE(window.statusBar()->currentMessage(), scheduler::RescheduledMessage);
        QVERIFY(window.actions().undoSwap->isEnabled());
    }
};

QTEST_MAIN(TestSchedulingCommand)
#include "tst_schedulingcommand.moc"
