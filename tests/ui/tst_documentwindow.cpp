// The window keeps the user's work and shows where it stands: closing with unsaved changes
// asks, the status bar names the document, recent files, a week step that would clear the
// timetable asks, the plan keeps its class and course in view, choosers stay whole, the
// splash, the icon and the names that screen readers announce.
#include "fakeuiport.h"
#include "grid/gridmodel.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "pages/basicspage.h"
#include "pages/conditionspage.h"
#include "pages/fixedlessonsbox.h"
#include "pages/planpage.h"
#include "pages/schedulingpage.h"
#include "pages/stepspage.h"
#include "pages/weekfieldsbox.h"
#include "platform/programinfo.h"
#include "widgets/spinbuttons.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using orve::MessageAnswer;
using orve::ui::MainWindow;

namespace {

const QString SaveQuestion = QStringLiteral(u"当前课程设置已修改，是否保存？");

QString dataFile(const char* name)
{
    return QStringLiteral(ORVE_TEST_DATA_DIR "/") + QLatin1String(name);
}

void clickTab(MainWindow& window, int index)
{
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void clickCell(orve::ui::GridView* view, int row, int column)
{
    const QPoint at = view->viewport()->mapFrom(view, view->cellRect(row, column).center());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

QLabel* documentField(MainWindow& window)
{
    return window.statusBar()->findChild<QLabel*>(QStringLiteral("documentStatus"));
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Han; });
}

} // namespace

class TestDocumentWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString copyOf(const char* name)
    {
        const QString path = dir_.filePath(QLatin1String(name));
        QFile::remove(path);
        QFile::copy(dataFile(name), path);
        return path;
    }

private slots:
    void initTestCase()
    {
        // The recent files go to a settings file of the tests, emptied first.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("orve-tests"));
        QSettings().clear();
    }

    void closingWithChangesAsksAndCancelKeepsTheWindowOpen()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        QVERIFY(window.close()); // nothing changed: the designed fast exit
        QVERIFY(answers.messages.isEmpty());

        window.show();
        QTest::keyClicks(window.schedulingPage()->titleField(), QStringLiteral("2024"));
        answers.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
        QVERIFY(!window.close());
        window.actions().exit->trigger();
        QVERIFY(window.isVisible());
        QCOMPARE(answers.prompts(), QStringList({SaveQuestion, SaveQuestion}));
        QCOMPARE(answers.messages.first().buttons, orve::MessageButtons::SaveDiscardCancel);
        QCOMPARE(window.workspace().school.title, QStringLiteral("2024"));

        answers.answers = {MessageAnswer::Discard};
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }

    void statusBarNamesTheDocumentFromTheStart()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        QVERIFY(window.findChild<QStatusBar*>()); // before any message
        QLabel* field = documentField(window);
        QVERIFY(field);
        window.startUp();
        QCOMPARE(field->text(), QStringLiteral(u"未命名"));
        QTest::keyClicks(window.schedulingPage()->titleField(), QStringLiteral("x"));
        QCOMPARE(field->text(), QStringLiteral(u"未命名  已修改"));

        const QString path = dir_.filePath(QStringLiteral("status.rve"));
        answers.fileNames = {path};
        window.actions().saveSchool->trigger();
        QCOMPARE(field->text(), QStringLiteral("status.rve"));
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral(u"已保存：") + QDir::toNativeSeparators(path));
    }

    void recentFilesReopenAndForgetWhatIsGone()
    {
        QSettings().clear();
        const QString school = copyOf("school.rve");
        const QString gone = copyOf("six-days.rve");
        {
            orve::test::FakeUiPort answers;
            MainWindow window(&answers);
            window.startUp();
            auto* first = window.findChild<QAction*>(QStringLiteral("recentFile1"));
            QVERIFY(first);
            answers.fileNames = {school, gone};
            window.actions().openSchool->trigger();
            window.actions().openSchool->trigger();
            QCOMPARE(first->text(), QStringLiteral("&1 six-days.rve"));
            QVERIFY(first->isVisible());
            auto* second = window.findChild<QAction*>(QStringLiteral("recentFile2"));
            QCOMPARE(second->text(), QStringLiteral("&2 school.rve"));
            QVERIFY(!window.findChild<QAction*>(QStringLiteral("recentFile3"))->isVisible());
            second->trigger();
            QCOMPARE(window.workspace().session.documentPath, school);
            QCOMPARE(first->text(), QStringLiteral("&1 school.rve"));
        }
        // The next run has the list, and a file gone from it is told and dropped.
        QFile::remove(gone);
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        auto* second = window.findChild<QAction*>(QStringLiteral("recentFile2"));
        QCOMPARE(second->text(), QStringLiteral("&2 six-days.rve"));
        second->trigger();
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.prompts().first().contains(QStringLiteral("six-days.rve")));
        QVERIFY(!second->isVisible());
        QCOMPARE(QSettings().value(QStringLiteral("recentFiles")).toStringList(),
                 QStringList{school});
    }

    void weekStepAsksBeforeClearingATimetable()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        orve::Workspace& ws = window.workspace();
        answers.fileNames = {copyOf("school.rve")};
        window.actions().openSchool->trigger();
        const QString lesson = ws.school.masterTimetable.text({2, 1});
        QVERIFY(!lesson.isEmpty());

        // A timetable read from a file is asked for like any other; a typed number counts
        // like an arrow. No keeps the field and every cell.
        answers.answers = {MessageAnswer::No, MessageAnswer::No};
        orve::ui::WeekFieldsBox* fields = window.basicsPage()->weekFields();
        const QString before = fields->field(0)->text();
        QTest::mouseClick(fields->spin(0)->upButton(), Qt::LeftButton);
        fields->field(3)->selectAll();
        QTest::keyClicks(fields->field(3), QStringLiteral("6"));
        const QString question = QStringLiteral(u"重新设置日制将清除已排好的课程表，是否继续？");
        QCOMPARE(answers.prompts(), (QStringList{question, question}));
        QCOMPARE(fields->field(0)->text(), before);
        QCOMPARE(fields->field(3)->text(), QStringLiteral("5"));
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), lesson);
        QVERIFY(!ws.session.modified);

        answers.answers = {MessageAnswer::Yes};
        QTest::mouseClick(fields->spin(0)->upButton(), Qt::LeftButton);
        QCOMPARE(fields->field(0)->text(), QString::number(before.toInt() + 1));
        QVERIFY(ws.school.masterTimetable.text({2, 1}).isEmpty());
    }

    void planKeepsClassAndCourseInViewAndStartsAtTheLeft()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        answers.fileNames = {copyOf("school.rve"), copyOf("school.rve")};
        window.actions().openSchool->trigger();
        window.tabs()->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        orve::ui::GridView* plan = window.planPage()->view();
        QScrollBar* sideways = plan->horizontalScrollBar();
        QTRY_VERIFY(sideways->maximum() > 0);
        const QRect course = plan->cellRect(1, 1);
        sideways->setValue(sideways->maximum());
        QCOMPARE(plan->cellRect(1, 1), course);                // frozen
        QVERIFY(plan->cellRect(1, 2).left() < course.right()); // the teacher scrolled under it

        window.actions().openSchool->trigger();
        QTRY_COMPARE(sideways->value(), 0);
    }

    void fixedLessonChooserStaysInsideTheWindow()
    {
        MainWindow window;
        orve::Workspace& ws = window.workspace();
        ws.school.classes = {QStringLiteral(u"初一(1)")};
        ws.school.courses = {QStringLiteral(u"语文")};
        window.startUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickTab(window, 2);
        orve::ui::FixedLessonsBox* box = window.conditionsPage()->fixedLessons();
        const int lastDay = ws.editor.fixedLessonGrid.columnCount() - 1;
        clickCell(box->view(), 1, lastDay);
        QComboBox* chooser = box->courseChooser();
        QVERIFY(chooser->isVisible());
        QVERIFY2(box->rect().contains(chooser->geometry()), "the chooser is cut off");
        // It does not hide the cell it is for.
        const QRect cell = box->view()->cellRect(1, lastDay);
        QVERIFY(!chooser->geometry().intersects(
            QRect(box->view()->mapTo(box, cell.topLeft()), cell.size())));
    }

    void splashIsTitledAndCentredOnTheWindow()
    {
        MainWindow window;
        window.startUp();
        auto* splash = window.findChild<QWidget*>(QStringLiteral("splash"));
        QVERIFY(splash);
        QCOMPARE(splash->windowTitle(), orve::ui::programTitle());
        window.move(window.pos() + QPoint(40, 30)); // as a window manager places it later
        QTRY_COMPARE(splash->geometry().center(), window.frameGeometry().center());
    }

    void iconAndStepsAreAsDesigned()
    {
        MainWindow window;
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
        const QString steps = window.stepsPage()
                                  ->findChild<QPlainTextEdit*>(QStringLiteral("stepsText"))
                                  ->toPlainText();
        QVERIFY(steps.contains(QStringLiteral(u"\n8、查看调整班级课表和教师任课表。\n")));
    }

    void everyFocusableControlHasAChineseName()
    {
        MainWindow window;
        window.startUp();
        QStringList unnamed;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && !hasChinese(widget->accessibleName()))
                unnamed.append(QStringLiteral("%1 (%2) \"%3\"")
                                   .arg(widget->objectName(),
                                        QString::fromLatin1(widget->metaObject()->className()),
                                        widget->accessibleName()));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        const auto name = [&window](const char* object) {
            return window.findChild<QWidget*>(QLatin1String(object))->accessibleName();
        };
        QCOMPARE(name("masterTimetableView"), QStringLiteral(u"全校课程总表"));
        QCOMPARE(name("teachingPlan"), QStringLiteral(u"教学计划表"));
        QCOMPARE(name("fixedLessonGrid"), QStringLiteral(u"固定课程表"));
        QCOMPARE(window.basicsPage()->weekFields()->spin(0)->upButton()->accessibleName(),
                 QStringLiteral(u"增加上午节数"));

        // Status fields are read as what they show, their role as the description.
        for (const char* object : {"doubleBookingField", "documentStatus"}) {
            auto* field = window.findChild<QLabel*>(QLatin1String(object));
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(field);
            QCOMPARE(read->text(QAccessible::Name), field->text());
            QVERIFY(hasChinese(read->text(QAccessible::Description)));
        }
    }

    // A screen reader reads a cell with its class, day and period.
    void cellsReadWithTheirHeaders()
    {
        orve::test::FakeUiPort answers;
        MainWindow window(&answers);
        window.startUp();
        answers.fileNames = {copyOf("school.rve")};
        window.actions().openSchool->trigger();
        const orve::model::Grid& grid = window.workspace().school.masterTimetable;
        const QAbstractItemModel* model = window.schedulingPage()->view()->model();
        const QString read = model->index(2, 1).data(Qt::AccessibleTextRole).toString();
        QCOMPARE(read, QStringLiteral("%1 %2 %3 %4")
                           .arg(grid.text({2, 0}), grid.text({0, 1}).trimmed(),
                                grid.text({1, 1}).trimmed(), grid.text({2, 1}))
                           .simplified());
        QCOMPARE(model->index(0, 1).data(Qt::AccessibleTextRole).toString(),
                 grid.text({0, 1}).trimmed());
    }

    void captionsReadWithoutKeyMarkers()
    {
        using orve::ui::plainCaption;
        QCOMPARE(plainCaption(QStringLiteral(u"可调课显示 (&T)")), QStringLiteral(u"可调课显示"));
        QCOMPARE(plainCaption(QStringLiteral(u"检查是否重课 ")), QStringLiteral(u"检查是否重课"));
        QCOMPARE(plainCaption(QStringLiteral(u"帮助主题 &H")), QStringLiteral(u"帮助主题 H"));
        QCOMPARE(plainCaption(QStringLiteral(u"  输入与查看(&S)")), QStringLiteral(u"输入与查看"));
        QCOMPARE(plainCaption(QStringLiteral("A && B")), QStringLiteral("A & B"));
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
