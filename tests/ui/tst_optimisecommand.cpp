// 消除重课 in the window: the menu item after 自动排课 and toolbar button 16 run it through
// the options question, the closing message gives the figures before and after, the result is
// one undoable step and the conflict list follows it.
#include "../core/scheduler/schedulerfixture.h"

#include "commands/removedoublebookingscommand.h"
#include "fakeuiport.h"
#include "mainwindow.h"
#include "optimiser/optimisecommand.h"
#include "pages/schedulingstatus.h"

#include <QAction>
#include <QComboBox>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTest>

using namespace orve;
using namespace Qt::StringLiterals;
using orve::ui::MainWindow;

// Notes whether a progress dialog is still there when the closing message comes.
class MessageWatch : public test::FakeUiPort
{
public:
    const QWidget* window = nullptr;
    bool progressDialogLeft = false;
    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override
    {
        progressDialogLeft = progressDialogLeft || window->findChild<QProgressDialog*>();
        return FakeUiPort::message(prompt, buttons, title, icon);
    }
};

class TestOptimiseCommand : public QObject
{
    Q_OBJECT

private slots:
    void theMenuAndTheToolbarRunItAsOneUndoableStep()
    {
        MessageWatch dialogs;
        MainWindow window(&dialogs);
        dialogs.window = &window;
        Workspace& ws = window.workspace();
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s, u"数学"_s}, 2, 1, 1);
        test::setPlan(ws, 0, 0, {u"张三"_s, 1, false});
        test::setPlan(ws, 1, 1, {u"张三"_s, 1, false});
        ws.school.masterTimetable.setText({2, 1}, test::lesson(u"语文"_s, u"张三"_s));
        ws.school.masterTimetable.setText({3, 1}, test::lesson(u"数学"_s, u"张三"_s));
        ws.session.conflicts = {{{2, 1}, u"A"_s, u"语文  张三"_s, {}},
                                {{3, 1}, u"B"_s, u"数学  张三"_s, {}}};
        emit ws.notifier.conflictsChanged();
        QCOMPARE(window.schedulingStatus()->conflictList()->count(), 2);

        auto* command = window.findChild<ui::RemoveDoubleBookingsCommand*>();
        QVERIFY(command);
        int asked = 0;
        command->askOptions = [&asked](bool& allow) {
            ++asked;
            allow = true;
            return true;
        };
        window.tabs()->setCurrentIndex(0);
        window.toolbarButton(16)->trigger();
        QCOMPARE(asked, 1);
        QVERIFY(command->options.allowMainAfternoon);
        QCOMPARE(window.tabs()->currentIndex(), 3);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages.first().prompt.contains(u"重课：1 处 → 0 处"_s));
        QVERIFY(!dialogs.progressDialogLeft);
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(window.schedulingStatus()->conflictList()->count(), 0);
        QCOMPARE(ws.session.history.undoCaption(), optimiser::RemoveDoubleBookingsCaption);
        QVERIFY(ws.session.modified);

        // Cancelling the question runs nothing.
        command->askOptions = [](bool&) { return false; };
        window.actions().removeDoubleBookings->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(window.actions().removeDoubleBookings->text(), u"消除重课"_s);
    }
};

QTEST_MAIN(TestOptimiseCommand)
#include "tst_optimisecommand.moc"
