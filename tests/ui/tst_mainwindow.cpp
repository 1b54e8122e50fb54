// The main window's frame: caption, menus with their shortcuts, the toolbar, the tabs, the week
// fields with their guard and spin buttons, the forced-swap switch, help, about and exit.
#include "mainwindow.h"
#include "pages/basicspage.h"
#include "pages/stepspage.h"
#include "pages/weekfieldsbox.h"
#include "platform/qtuiport.h"
#include "platform/translation.h"
#include "widgets/spinbuttons.h"
#include "windows/helpwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using orve::ui::MainWindow;

namespace {

// Closes the next modal box once it is shown and hands back its window title and text.
struct ModalCatcher
{
    QString title;
    QString text;
    void arm()
    {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->done(0);
            }
        });
    }
};

QToolButton* toolButtonOf(MainWindow& window, QAction* action)
{
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("toolbar"));
    return qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionTabsAndSteps()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral(u"ORVE智能排课系统 "));
        const QStringList captions = {QStringLiteral(u"输入基本要求 "), QStringLiteral(u"设置教学计划"),
                                      QStringLiteral(u"特殊条件考虑"), QStringLiteral(u"自动排课"),
                                      QStringLiteral(u"排课步骤提示")};
        QCOMPARE(window.tabs()->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(window.tabs()->tabText(i), captions.at(i));
        const QString steps = window.stepsPage()
                                  ->findChild<QPlainTextEdit*>(QStringLiteral("stepsText"))
                                  ->toPlainText();
        QVERIFY(steps.startsWith(QStringLiteral(u"1、设置一天开课节数（分上，下午）及学校主副课。\n\n2、")));
        QVERIFY(steps.endsWith(QStringLiteral(u"9、打印各班课表、各教师任课表和全校课程总表。")));
        QCOMPARE(window.stepsPage()->moreInformation()->text(), QStringLiteral(u"更多信息"));
    }

    void menusHaveTheirCaptionsShortcutsAndSeparators()
    {
        MainWindow window;
        const QList<QAction*> menus = window.menuBar()->actions();
        const QStringList titles = {QStringLiteral(u"  文件 (&F)"), QStringLiteral(u"  输入与查看(&S)"),
                                    QStringLiteral(u"特殊条件考虑 (&T)"), QStringLiteral(u"智能排课 (&K)"),
                                    QStringLiteral(u"手动操作 (&C)"), QStringLiteral(u"打印输出 (&P)"),
                                    QStringLiteral(u"帮助 (&H)")};
        QCOMPARE(menus.size(), titles.size());
        for (int i = 0; i < menus.size(); ++i)
            QCOMPARE(menus.at(i)->text(), titles.at(i));

        // Each menu's items by name, "-" for a separator line.
        const auto layout = [](QAction* menu) {
            QStringList names;
            for (QAction* item : menu->menu()->actions())
                names.append(item->isSeparator() ? QStringLiteral("-") : item->objectName());
            return names.join(u' ');
        };
        QCOMPARE(layout(menus.at(0)),
                 QStringLiteral("newSchool openSchool - saveSchool saveSchoolAs - importSheet "
                                "importFet exportFet - recentFile1 recentFile2 recentFile3 "
                                "recentFile4 - exit"));
        QCOMPARE(layout(menus.at(1)),
                 QStringLiteral(
                     "weekStructure - classList courseList teacherList venueList - teachingPlan "
                     "mainCourses"));
        QCOMPARE(layout(menus.at(2)),
                 QStringLiteral(
                     "blockCourses blockClasses blockTeachers combinedClasses - fixedLessons"));
        QCOMPARE(layout(menus.at(3)),
                 QStringLiteral("autoSchedule removeDoubleBookings - masterTimetable classTimetable "
                                "teacherTimetable - forcedSwap"));
        QCOMPARE(layout(menus.at(4)),
                 QStringLiteral("checkDoubleBookings - teacherSpreadSchool teacherSpreadClass "
                                "courseSpreadSchool courseSpreadClass - swappableDisplay - undoSwap "
                                "redoSwap"));
        QCOMPARE(layout(menus.at(5)),
                 QStringLiteral("printPreview print - printClassTimetables printTeacherTimetables - "
                                "exportPdf exportCsv exportHtml exportXlsx"));
        QCOMPARE(layout(menus.at(6)), QStringLiteral("helpTopics - about"));

        const QList<std::pair<QAction * orve::ui::Actions::*, QKeySequence>> shortcuts = {
            {&orve::ui::Actions::newSchool, QKeySequence(QStringLiteral("Ctrl+N"))},
            {&orve::ui::Actions::openSchool, QKeySequence(QStringLiteral("Ctrl+O"))},
            {&orve::ui::Actions::saveSchool, QKeySequence(QStringLiteral("Ctrl+S"))},
            {&orve::ui::Actions::saveSchoolAs, QKeySequence(QStringLiteral("Ctrl+A"))},
            {&orve::ui::Actions::importSheet, QKeySequence(QStringLiteral("Ctrl+I"))},
            {&orve::ui::Actions::exit, QKeySequence(QStringLiteral("Ctrl+X"))},
            {&orve::ui::Actions::classList, QKeySequence(QStringLiteral("Ctrl+B"))},
            {&orve::ui::Actions::courseList, QKeySequence(QStringLiteral("Ctrl+K"))},
            {&orve::ui::Actions::teacherList, QKeySequence(QStringLiteral("Ctrl+J"))},
            {&orve::ui::Actions::mainCourses, QKeySequence(QStringLiteral("F5"))},
            {&orve::ui::Actions::autoSchedule, QKeySequence(QStringLiteral("Ctrl+Z"))},
            {&orve::ui::Actions::removeDoubleBookings, QKeySequence(QStringLiteral("Ctrl+E"))},
            {&orve::ui::Actions::checkDoubleBookings, QKeySequence(QStringLiteral("Ctrl+F9"))},
            {&orve::ui::Actions::printPreview, QKeySequence(QStringLiteral("F9"))},
            {&orve::ui::Actions::print, QKeySequence(QStringLiteral("Ctrl+P"))},
            {&orve::ui::Actions::venueList, QKeySequence()},
            {&orve::ui::Actions::undoSwap, QKeySequence(QStringLiteral("Ctrl+U"))},
            {&orve::ui::Actions::redoSwap, QKeySequence(QStringLiteral("Ctrl+Y"))},
        };
        for (const auto& [item, keys] : shortcuts)
            QCOMPARE((window.actions().*item)->shortcut(), keys);
        QCOMPARE(window.actions().saveSchoolAs->text(), QStringLiteral(u"课程文件另存为..."));
        QCOMPARE(window.actions().exit->text(), QStringLiteral(u"退出 "));
        QCOMPARE(window.actions().fixedLessons->text(), QStringLiteral(u"固定课预排(如班队) (&G)"));
        QCOMPARE(window.actions().helpTopics->text(), QStringLiteral(u"帮助主题 &H"));
    }

    void toolbarHasTwentyOneButtons()
    {
        MainWindow window;
        auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("toolbar"));
        // The 21 numbered buttons, then a separator and undo and redo of changes made by hand.
        const QList<QAction*> actions = toolbar->actions();
        QCOMPARE(actions.size(), 24);
        QVERIFY(actions.at(21)->isSeparator());
        QCOMPARE(actions.at(22), window.actions().undoSwap);
        QCOMPARE(actions.at(23), window.actions().redoSwap);
        const QList<std::pair<int, const char16_t*>> tips = {
            {2, u"新建课程设置文件"}, {3, u"打开课程设置文件"}, {4, u"保存课程设置文件"},
            {6, u"打印预览"}, {7, u"打印"}, {9, u"输入班级名单"}, {10, u"输入课程名单"},
            {11, u"输入教师名单"}, {12, u"设置教学计划"}, {15, u"自动排课"}, {16, u"消除重课"},
            {17, u"显示或调整课程总表"}, {18, u"显示或调整班级课程表"}, {19, u"显示教师任课表"},
            {21, u"智能追踪(强行调课)"}};
        for (const auto& [number, tip] : tips) {
            QAction* button = window.toolbarButton(number);
            QVERIFY(button);
            QCOMPARE(button->toolTip(), QString::fromUtf16(tip));
            QVERIFY(!button->icon().isNull());
        }
        for (int spacer : {1, 5, 8, 13, 14, 20})
            QVERIFY(!window.toolbarButton(spacer));
    }

    void toolbarButtonSeventeenShowsTheMasterTimetable()
    {
        MainWindow window;
        window.toolbarButton(17)->trigger();
        QCOMPARE(window.tabs()->currentIndex(), 3);
        window.actions().weekStructure->trigger();
        QCOMPARE(window.tabs()->currentIndex(), 0);
        QVERIFY(window.workspace()
                    .school.masterTimetable.redraw()); // the button switched redrawing back on
    }

    // The last commands that used to say "尚未提供" now open the timetable window.
    void timetableButtonsOpenTheTimetableWindow()
    {
        MainWindow window;
        window.toolbarButton(18)->trigger();
        auto* form2 = window.findChild<QWidget*>(QStringLiteral("timetableWindow"));
        QVERIFY(form2 && form2->isVisible());
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        window.toolbarButton(19)->trigger();
        QCOMPARE(window.workspace().session.printKind, orve::PrintKind::TeacherTimetable);
    }

    void forcedSwapModeStaysInStepInMenuAndToolbar()
    {
        MainWindow window;
        window.show();
        QAction* menuItem = window.actions().forcedSwap;
        QToolButton* button = toolButtonOf(window, window.toolbarButton(21));
        QVERIFY(button);
        QVERIFY(!window.workspace().session.forcedSwapMode);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window.workspace().session.forcedSwapMode);
        QVERIFY(menuItem->isChecked());
        QVERIFY(button->isChecked());
        menuItem->trigger();
        QVERIFY(!window.workspace().session.forcedSwapMode);
        QVERIFY(!menuItem->isChecked());
        QVERIFY(!button->isChecked());
        menuItem->trigger();
        menuItem->trigger();
        QVERIFY(!window.workspace().session.forcedSwapMode);
        QVERIFY(!button->isChecked());
    }

    void startUpShowsTheWindowTheSplashAndTheLayouts()
    {
        MainWindow window;
        window.startUp();
        QVERIFY(window.isVisible());
        QWidget* splash = window.findChild<QWidget*>(QStringLiteral("splash"));
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QTest::mouseClick(splash, Qt::LeftButton);
        QTRY_VERIFY(!window.findChild<QWidget*>(QStringLiteral("splash")));
        QCOMPARE(window.workspace().editor.fixedLessonGrid.rowCount(), 6);
        QCOMPARE(window.workspace().editor.fixedLessonGrid.columnCount(), 6);
        QCOMPARE(window.workspace().school.masterTimetable.columnCount(), 26);
        QCOMPARE(window.workspace().school.masterTimetable.rowCount(), 2);
        QCOMPARE(window.workspace().school.combinedGroups.nodeCount(), 1);
    }

    void numericGuardUndoesNonNumericTyping()
    {
        MainWindow window;
        window.show();
        QLineEdit* morning = window.basicsPage()->weekFields()->field(0);
        QCOMPARE(morning->objectName(), QStringLiteral("morningPeriods"));
        morning->setFocus();
        morning->end(false);
        QTest::keyClick(morning, Qt::Key_A);
        QCOMPARE(morning->text(), QStringLiteral("3"));
        QTest::keyClick(morning, Qt::Key_Backspace); // emptied: restored as well
        QCOMPARE(morning->text(), QStringLiteral("3"));
        morning->selectAll();
        QTest::keyClick(morning, Qt::Key_4);
        QCOMPARE(morning->text(), QStringLiteral("4"));
        // A typed number counts as a step of the arrows: the grids are laid out again.
        QCOMPARE(window.workspace().school.week.morning, QStringLiteral("4"));
        QCOMPARE(window.workspace().editor.fixedLessonGrid.rowCount(), 7);
        QLineEdit* days = window.basicsPage()->weekFields()->field(3);
        QCOMPARE(days->objectName(), QStringLiteral("daysPerWeek"));
    }

    void spinButtonsStepAndLayOutAgain()
    {
        MainWindow window;
        window.startUp();
        orve::Workspace& ws = window.workspace();
        orve::ui::WeekFieldsBox* fields = window.basicsPage()->weekFields();
        QTest::mouseClick(fields->spin(0)->upButton(), Qt::LeftButton);
        QCOMPARE(fields->field(0)->text(), QStringLiteral("4"));
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 7);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 31);
        // At a limit nothing changes and nothing is laid out.
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(fields->spin(0)->upButton(), Qt::LeftButton);
        QCOMPARE(fields->field(0)->text(), QStringLiteral("5"));
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 8);
        // The days spin stops at 7 and names the seventh day Sunday.
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(fields->spin(3)->upButton(), Qt::LeftButton);
        QCOMPARE(fields->field(3)->text(), QStringLiteral("7"));
        QCOMPARE(ws.editor.fixedLessonGrid.text({0, 7}), QStringLiteral(u"星期日"));
        // An empty timetable, read from a file or not, follows the week without a question.
        ws.session.timetableLoaded = true;
        QTest::mouseClick(fields->spin(1)->downButton(), Qt::LeftButton);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 7 * 6 + 1);
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 7);
    }

    void aboutBoxIsTitledWithTheProgram()
    {
        MainWindow window;
        ModalCatcher catcher;
        catcher.arm();
        window.actions().about->trigger();
        QCOMPARE(catcher.title, QStringLiteral(u"关于 ORVE智能排课系统 "));
    }

    // "有重课" alone would make a box too narrow for its title beside the frame's buttons.
    void aShortMessageShowsItsWholeTitle()
    {
        QWidget parent;
        orve::ui::QtUiPort port(&parent, nullptr, [](orve::FocusTarget) { return nullptr; });
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                width = box->width();
                needed = box->fontMetrics().horizontalAdvance(box->windowTitle());
                box->done(0);
            }
        });
        static_cast<orve::UiPort&>(port).message(QStringLiteral(u"有重课"));
        constexpr int FrameButtons = 100; // close, maximise and minimise beside the title
        QVERIFY2(needed > 0 && width >= needed + FrameButtons,
                 qPrintable(QStringLiteral("%1 %2").arg(width).arg(needed)));
    }

    void helpOpensTheShippedDocumentOrSaysItIsMissing()
    {
        orve::ui::HelpWindow help;
        QVERIFY(help.open(QStringLiteral(ORVE_HELP_FILE)));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral(u"自动排课")));
        QVERIFY(!help.open(QStringLiteral("/nonexistent/orve-help.html")));

        QWidget parent;
        ModalCatcher catcher;
        catcher.arm();
        orve::ui::showHelp(&parent, QStringLiteral("/nonexistent/orve-help.html"));
        QVERIFY(catcher.text.contains(QStringLiteral(u"找不到帮助文件")));
        QVERIFY(catcher.text.contains(QStringLiteral("/nonexistent/orve-help.html")));
    }

    void standardDialogsSpeakChinese()
    {
        QVERIFY(orve::ui::installQtChineseTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral(u"取消"));
    }

    void exitWithoutChangesClosesTheWindowWithoutAsking()
    {
        MainWindow window;
        window.startUp();
        // Not through a command, so the school still counts as unchanged.
        window.workspace().school.classes.append(QStringLiteral(u"初一(1)"));
        window.actions().exit->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
