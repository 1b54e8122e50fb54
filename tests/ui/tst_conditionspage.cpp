// The special-conditions tab in the main window: the tab click and the menu commands, placing
// and removing a fixed lesson with the mouse and the course chooser, and grouping combined
// lessons in the tree.
#include "conditions/combinedclasses.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/combinedlesson.h"
#include "model/fixedlessonentry.h"
#include "pages/combinedclassesbox.h"
#include "pages/conditionspage.h"
#include "pages/fixedlessonsbox.h"
#include "school/teachingplan.h"
#include "widgets/spinbuttons.h"
#include "windows/keptoutperiodsdialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace orve;
using namespace orve::ui;

namespace {

const QString A = QStringLiteral(u"初一(1)");
const QString B = QStringLiteral(u"初一(2)");
const QString Chinese = QStringLiteral(u"语文");
const QString Maths = QStringLiteral(u"数学");

void clickTab(MainWindow& window, int index)
{
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// A click on a cell of msgrid1: press and release on the view's viewport.
void clickCell(GridView* view, int row, int column)
{
    const QPoint at = view->viewport()->mapFrom(view, view->cellRect(row, column).center());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// Picks an item of a combo box through its popup list.
void pick(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
}

} // namespace

class TestConditionsPage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<MainWindow>();
        Workspace& ws = window_->workspace();
        ws.school.classes = {A, B};
        ws.school.courses = {Chinese, Maths};
        window_->startUp();
        ws.school.plan.setText({school::planRow(0, 0, 2), school::TeacherColumn},
                               QStringLiteral(u"张三"));
        page_ = window_->conditionsPage();
    }

    void cleanup() { window_.reset(); }

    void tabClickFillsTheChoosersOnce()
    {
        clickTab(*window_, 2);
        QCOMPARE(window_->tabs()->currentIndex(), 2);
        QComboBox* combo4 = page_->fixedLessons()->classChooser();
        QComboBox* combo11 = page_->fixedLessons()->courseChooser();
        QCOMPARE(combo4->count(), 3);
        QCOMPARE(combo4->itemText(2), QStringLiteral(u"全体班级"));
        QCOMPARE(combo4->currentText(), A);
        QCOMPARE(combo11->count(), 3);
        QCOMPARE(combo11->itemText(2), QStringLiteral(u"空课"));
        // Each chooser shows its first item.
        QCOMPARE(combo11->currentText(), Chinese);
        QVERIFY(!combo11->isVisible());

        clickTab(*window_, 0);
        window_->actions().fixedLessons->trigger();
        QCOMPARE(window_->tabs()->currentIndex(), 2);
        QCOMPARE(combo4->count(), 3);
        QCOMPARE(combo11->count(), 3);
    }

    void menuCommandsShowTheTab()
    {
        for (QAction* Actions::*item : {&Actions::blockClasses, &Actions::combinedClasses}) {
            window_->tabs()->setCurrentIndex(0);
            (window_->actions().*item)->trigger();
            QCOMPARE(window_->tabs()->currentIndex(), 2);
        }
        // None of them fills the choosers.
        QCOMPARE(page_->fixedLessons()->classChooser()->count(), 0);
    }

    // 设置某些教师不排时间 opens the editor: a click keeps the teacher out of a period, a day's
    // heading the whole day, Space lets the current period in again; the school is modified.
    void teacherKeptOutPeriodsEditor()
    {
        Workspace& ws = window_->workspace();
        ws.school.teachers = {QStringLiteral(u"张三"), QStringLiteral(u"李四")};
        ws.markSaved();
        window_->actions().blockTeachers->trigger();
        auto* editor = window_->findChild<KeptOutPeriodsDialog*>();
        QVERIFY(editor);
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral(u"设置某些教师不排时间"));
        QTableWidget* periods = editor->periods();
        QCOMPARE(periods->columnCount(), ws.school.week.daysPerWeek());
        pick(editor->chooser(), QStringLiteral(u"李四"));

        const QPoint cell = periods->visualRect(periods->model()->index(2, 1)).center();
        QTest::mouseClick(periods->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(ws.school.rules.teacherUnavailable,
                 (std::vector<model::PeriodRule>{{QStringLiteral(u"李四"), 2, 3}}));
        QCOMPARE(periods->item(2, 1)->text(), QStringLiteral(u"不排"));
        QVERIFY(ws.session.modified);

        QHeaderView* days = periods->horizontalHeader();
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {},
                          QPoint(days->sectionViewportPosition(1) + 5, days->height() / 2));
        QCOMPARE(int(ws.school.rules.teacherUnavailable.size()), periods->rowCount());
        periods->setCurrentCell(2, 1);
        QTest::keyClick(periods, Qt::Key_Space);
        QCOMPARE(int(ws.school.rules.teacherUnavailable.size()), periods->rowCount() - 1);
        QCOMPARE(periods->item(2, 1)->text(), QString());
        editor->close();
    }

    void placeAndRemoveAFixedLesson()
    {
        clickTab(*window_, 2);
        Workspace& ws = window_->workspace();
        FixedLessonsBox* box = page_->fixedLessons();
        GridView* view = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

        clickCell(view, 2, 3);
        QComboBox* combo11 = box->courseChooser();
        QVERIFY(combo11->isVisible());
        const QRect cell = view->cellRect(2, 3);
        QCOMPARE(combo11->geometry().topLeft(),
                 view->mapTo(box, QPoint(cell.left() + cell.width(), cell.top())));

        pick(combo11, Chinese);
        const QString entry = model::fixedEntryText(A, Chinese, 3, 2);
        QCOMPARE(ws.school.fixedLessons, QStringList{entry});
        QCOMPARE(ws.editor.fixedLessonGrid.text({2, 3}), Chinese);
        QVERIFY(!combo11->isVisible());
        QCOMPARE(box->entryList()->currentText(), entry);
        QCOMPARE(box->entryList()->count(), 1);

        clickCell(view, 2, 3);
        QVERIFY(ws.school.fixedLessons.isEmpty());
        QCOMPARE(ws.editor.fixedLessonGrid.text({2, 3}), QString());
        QVERIFY(!combo11->isVisible());
        QCOMPARE(box->entryList()->count(), 0);
        QCOMPARE(box->entryList()->currentText(), QString());
    }

    void stepperChoosesTheClass()
    {
        clickTab(*window_, 2);
        FixedLessonsBox* box = page_->fixedLessons();
        box->classStepper()->upButton()->click();
        QCOMPARE(box->classChooser()->currentText(), B);
        QCOMPARE(box->classIndexField()->text(), QStringLiteral("1"));
    }

    void groupingCombinedLessons()
    {
        Workspace& ws = window_->workspace();
        ws.school.combinedLessons = {model::combinedLessonEntry(A, Maths),
                                     model::combinedLessonEntry(B, Maths)};
        emit ws.notifier.conditionsChanged();
        window_->actions().combinedClasses->trigger();
        CombinedClassesBox* box = page_->combinedClasses();
        QTest::keyClick(box->groupNumber(), Qt::Key_A);
        QCOMPARE(box->groupNumber()->text(), QStringLiteral("1"));

        box->addButton()->click();
        box->combinedList()->setCurrentIndex(1);
        box->addButton()->click();
        QTreeWidget* tree = box->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* group = tree->topLevelItem(0)->child(0);
        QCOMPARE(group->text(0), QStringLiteral(u"合班课1"));
        QCOMPARE(group->childCount(), 2);
        QVERIFY(group->isExpanded());

        box->removeButton()->click(); // nothing selected
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 4);
        // The tree is shown anew after every command.
        group = tree->topLevelItem(0)->child(0);
        tree->setCurrentItem(group->child(0));
        box->removeButton()->click();
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->text(0), B + QStringLiteral(u" · ") + Maths);
        QCOMPARE(ws.school.combinedGroups.node(2).text, model::combinedLessonEntry(B, Maths));
        QCOMPARE(box->combinedList()->currentText(), B + QStringLiteral(u" · ") + Maths);
    }

private:
    std::unique_ptr<MainWindow> window_;
    ConditionsPage* page_ = nullptr;
};

QTEST_MAIN(TestConditionsPage)
#include "tst_conditionspage.moc"
