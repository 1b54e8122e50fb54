// The name lists and the plan rows they keep: placeholder rows, insert positions, rename and
// delete, the duplicate, list-empty and refused-name messages.
#include "model/grid.h"
#include "school/namecheck.h"
#include "schoolfixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace orve;
using namespace orve::school;
using test::blockLayout;
using test::enterNames;
using test::FakeUiPort;
using test::planPairs;

namespace {
const QString kong = QStringLiteral(u"空");
const QString yuwen = QStringLiteral(u"语文");
const QString shuxue = QStringLiteral(u"数学");
const QString yingyu = QStringLiteral(u"英语");
const QStringList abc = {QStringLiteral(u"A"), QStringLiteral(u"B"), QStringLiteral(u"C")};

// Classes A, B, C and courses 语文, 数学.
struct SmallSchool : test::School
{
    SmallSchool()
    {
        enterNames(ws, ui, NameList::Classes, abc);
        enterNames(ws, ui, NameList::Courses, {yuwen, shuxue});
    }
};
} // namespace

class TestNameLists : public QObject
{
    Q_OBJECT

private slots:
    void startUpMakesTheClassListActive()
    {
        test::School school;
        auto& [ws, ui] = school;
        QCOMPARE(activeList(ws), std::optional<NameList>(NameList::Classes));
        QCOMPARE(ws.editor.names.heading, QStringLiteral(u"输入或察看班级名单"));
        QCOMPARE(ws.editor.names.listTitle, QStringLiteral(u"班级名单"));
        QCOMPARE(ui.tabsShown.value(0), MainTab::Basics);

        ws.editor.names.entry = QStringLiteral(u"半截");
        showVenueList(ws, ui);
        QCOMPARE(activeList(ws), std::optional<NameList>(NameList::Venues));
        QCOMPARE(ws.editor.names.heading, QStringLiteral(u"输入或察看公用场地"));
        QCOMPARE(ws.editor.names.listTitle, QStringLiteral(u"公用场地"));
        QVERIFY(ws.editor.names.entry.isEmpty());
    }

    void placeholderRowsGiveWayToTheFirstCourse()
    {
        test::School school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Classes, abc);
        QCOMPARE(planPairs(ws), blockLayout(abc, {kong}));
        QCOMPARE(ws.school.classes, abc);
        QVERIFY(ws.editor.names.entry.isEmpty());
        QCOMPARE(ui.focused.last(), FocusTarget::NameEntry);

        enterNames(ws, ui, NameList::Courses, {yuwen});
        QCOMPARE(planPairs(ws), blockLayout(abc, {yuwen}));
        enterNames(ws, ui, NameList::Courses, {shuxue});
        QCOMPARE(planPairs(ws), blockLayout(abc, {yuwen, shuxue}));

        // A class added after the courses gets its whole block at the end.
        enterNames(ws, ui, NameList::Classes, {QStringLiteral(u"D")});
        const QStringList abcd = abc + QStringList{QStringLiteral(u"D")};
        QCOMPARE(planPairs(ws), blockLayout(abcd, {yuwen, shuxue}));
        QVERIFY(ui.messages.isEmpty());
    }

    void courseWithoutClassesChangesOnlyTheList()
    {
        test::School school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Courses, {yuwen, shuxue});
        QCOMPARE(ws.school.plan.rowCount(), 1);
        ws.editor.names.selectedCourse = 0;
        ws.editor.names.entry = yingyu;
        insertName(ws, ui);
        QCOMPARE(ws.school.courses, (QStringList{yuwen, yingyu, shuxue}));
        QCOMPARE(ws.school.plan.rowCount(), 1);
    }

    void insertCourse_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("courses");
        QTest::newRow("none selected: first") << -1 << QStringList{yingyu, yuwen, shuxue};
        QTest::newRow("after the first: middle") << 0 << QStringList{yuwen, yingyu, shuxue};
        QTest::newRow("after the last: end") << 1 << QStringList{yuwen, shuxue, yingyu};
    }

    void insertCourse()
    {
        QFETCH(int, selected);
        QFETCH(QStringList, courses);
        SmallSchool school;
        auto& [ws, ui] = school;
        // A filled cell travels with its row.
        ws.school.plan.setText({planRow(1, 1, 2), TeacherColumn}, QStringLiteral(u"王老师"));
        ws.editor.names.selectedCourse = selected;
        ws.editor.names.entry = yingyu;
        insertName(ws, ui);
        QCOMPARE(ws.school.courses, courses);
        QCOMPARE(planPairs(ws), blockLayout(abc, courses));
        const int row = planRow(1, int(courses.indexOf(shuxue)), 3);
        QCOMPARE(ws.school.plan.text({row, TeacherColumn}), QStringLiteral(u"王老师"));
        QVERIFY(ws.editor.names.entry.isEmpty());
    }

    void insertClass_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("classes");
        const QString x = QStringLiteral(u"X");
        QTest::newRow("none selected: first") << -1 << QStringList{x, abc[0], abc[1], abc[2]};
        QTest::newRow("middle") << 1 << QStringList{abc[0], abc[1], x, abc[2]};
        QTest::newRow("after the last: end") << 2 << QStringList{abc[0], abc[1], abc[2], x};
    }

    void insertClass()
    {
        QFETCH(int, selected);
        QFETCH(QStringList, classes);
        SmallSchool school;
        auto& [ws, ui] = school;
        makeListActive(ws, ui, NameList::Classes);
        ws.editor.names.selectedClass = selected;
        ws.editor.names.entry = QStringLiteral(u"X");
        insertName(ws, ui);
        QCOMPARE(ws.school.classes, classes);
        QCOMPARE(planPairs(ws), blockLayout(classes, {yuwen, shuxue}));
    }

    // A class inserted before any course gets its placeholder row, so that the first course
    // gives it a row like every other class and the blocks stay in class order.
    void insertClassWithoutCoursesGetsItsPlaceholder()
    {
        test::School school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Classes, {abc[0], abc[2]});
        ws.editor.names.selectedClass = 0;
        ws.editor.names.entry = abc[1];
        insertName(ws, ui);
        QCOMPARE(ws.school.classes, abc);
        QCOMPARE(planPairs(ws), blockLayout(abc, {kong}));
        enterNames(ws, ui, NameList::Courses, {yuwen, shuxue});
        QCOMPARE(planPairs(ws), blockLayout(abc, {yuwen, shuxue}));
    }

    void insertedTeacherStaysInTheField()
    {
        test::School school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三")});
        ws.editor.names.entry = QStringLiteral(u"李四");
        insertName(ws, ui);
        QCOMPARE(ws.school.teachers,
                 (QStringList{QStringLiteral(u"李四"), QStringLiteral(u"张三")}));
        QCOMPARE(ws.editor.names.entry, QStringLiteral(u"李四"));
    }

    void deleteCoursesAndClasses()
    {
        SmallSchool school;
        auto& [ws, ui] = school;
        makeListActive(ws, ui, NameList::Courses);
        ws.editor.names.selectedCourse = 0;
        deleteName(ws, ui);
        QCOMPARE(ws.school.courses, QStringList{shuxue});
        QCOMPARE(ws.editor.names.selectedCourse, -1);
        QCOMPARE(planPairs(ws), blockLayout(abc, {shuxue}));

        // The last course leaves one placeholder row per class, its other cells kept.
        ws.school.plan.setText({2, TeacherColumn}, QStringLiteral(u"王老师"));
        ws.editor.names.selectedCourse = 0;
        deleteName(ws, ui);
        QVERIFY(ws.school.courses.isEmpty());
        QCOMPARE(planPairs(ws), blockLayout(abc, {kong}));
        QCOMPARE(ws.school.plan.text({2, TeacherColumn}), QStringLiteral(u"王老师"));
        QVERIFY(ws.school.plan.mergeColumn(ClassColumn));

        // The first course after that replaces the placeholders again.
        enterNames(ws, ui, NameList::Courses, {yingyu});
        QCOMPARE(planPairs(ws), blockLayout(abc, {yingyu}));

        makeListActive(ws, ui, NameList::Classes);
        ws.editor.names.selectedClass = 1;
        deleteName(ws, ui);
        QCOMPARE(ws.school.classes, (QStringList{abc[0], abc[2]}));
        QCOMPARE(planPairs(ws), blockLayout({abc[0], abc[2]}, {yingyu}));
    }

    void deleteTeacherEmptiesExactCells()
    {
        SmallSchool school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三"), QStringLiteral(u"李四")});
        ws.school.plan.setText({1, TeacherColumn}, QStringLiteral(u"张三"));
        ws.school.plan.setText({2, TeacherColumn}, QStringLiteral(u"张三丰"));
        ws.school.plan.setText({3, VenueColumn}, QStringLiteral(u"张三"));
        ws.editor.names.selectedTeacher = 0;
        deleteName(ws, ui);
        QCOMPARE(ws.school.teachers, QStringList{QStringLiteral(u"李四")});
        QVERIFY(ws.school.plan.text({1, TeacherColumn}).isEmpty());
        QCOMPARE(ws.school.plan.text({2, TeacherColumn}), QStringLiteral(u"张三丰"));
        QCOMPARE(ws.school.plan.text({3, VenueColumn}), QStringLiteral(u"张三"));
    }

    void renameChangesExactMatchesOfItsColumn()
    {
        SmallSchool school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三")});
        model::Grid& jhb = ws.school.plan;
        jhb.setText({1, TeacherColumn}, QStringLiteral(u"张三"));
        jhb.setText({4, TeacherColumn}, QStringLiteral(u"张三"));
        jhb.setText({2, TeacherColumn}, QStringLiteral(u"张三丰"));
        jhb.setText({3, VenueColumn}, QStringLiteral(u"张三"));

        selectName(ws, NameList::Teachers, 0);
        QCOMPARE(ws.editor.names.entry, QStringLiteral(u"张三"));
        ws.editor.names.entry = QStringLiteral(u"王五");
        renameName(ws, ui);
        QCOMPARE(ws.school.teachers, QStringList{QStringLiteral(u"王五")});
        QCOMPARE(jhb.text({1, TeacherColumn}), QStringLiteral(u"王五"));
        QCOMPARE(jhb.text({4, TeacherColumn}), QStringLiteral(u"王五"));
        QCOMPARE(jhb.text({2, TeacherColumn}), QStringLiteral(u"张三丰"));
        QCOMPARE(jhb.text({3, VenueColumn}), QStringLiteral(u"张三"));
        QVERIFY(ws.editor.names.entry.isEmpty());

        makeListActive(ws, ui, NameList::Classes);
        selectName(ws, NameList::Classes, 1);
        ws.editor.names.entry = QStringLiteral(u"B2");
        renameName(ws, ui);
        const QStringList renamed = {abc[0], QStringLiteral(u"B2"), abc[2]};
        QCOMPARE(planPairs(ws), blockLayout(renamed, {yuwen, shuxue}));
    }

    // Rules follow a renamed teacher and go with a deleted one, after a question that 否
    // answers by keeping everything.
    void rulesFollowTheirNames()
    {
        SmallSchool school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三"), QStringLiteral(u"李四")});
        ws.school.rules.teacherUnavailable = {{QStringLiteral(u"张三"), 1, 1},
                                              {QStringLiteral(u"李四"), 1, 2}};
        ws.school.rules.teacherDailyLimits = {{QStringLiteral(u"张三"), 4}};
        selectName(ws, NameList::Teachers, 0);
        ws.editor.names.entry = QStringLiteral(u"王五");
        renameName(ws, ui);
        QCOMPARE(ws.school.rules.teacherUnavailable.front().name, QStringLiteral(u"王五"));
        QCOMPARE(ws.school.rules.teacherDailyLimits.front().name, QStringLiteral(u"王五"));

        ws.editor.names.selectedTeacher = 0;
        ui.answers = {MessageAnswer::No};
        deleteName(ws, ui);
        QVERIFY(ui.messages.last().prompt.contains(QStringLiteral(u"2 条排课规则")));
        QCOMPARE(ws.school.teachers.size(), 2);
        QCOMPARE(ws.school.rules.size(), std::size_t(3));
        ui.answers = {MessageAnswer::Yes};
        deleteName(ws, ui);
        QCOMPARE(ws.school.teachers, QStringList{QStringLiteral(u"李四")});
        QCOMPARE(ws.school.rules.size(), std::size_t(1));
    }

    void renameAndDeleteWithoutSelectionChangeNothing()
    {
        SmallSchool school;
        auto& [ws, ui] = school;
        const auto before = planPairs(ws);
        makeListActive(ws, ui, NameList::Classes);
        ws.editor.names.entry = QStringLiteral(u"Z");
        renameName(ws, ui);
        deleteName(ws, ui);
        QCOMPARE(ws.school.classes, abc);
        QCOMPARE(planPairs(ws), before);
        QCOMPARE(ws.editor.names.entry, QStringLiteral(u"Z"));
        QVERIFY(ui.messages.isEmpty());
    }

    void duplicateIsRefusedWhateverTheAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << int(MessageAnswer::Cancel);
        QTest::newRow("try again") << int(MessageAnswer::TryAgain);
        QTest::newRow("continue") << int(MessageAnswer::Continue);
    }

    void duplicateIsRefusedWhateverTheAnswer()
    {
        QFETCH(int, answer);
        SmallSchool school;
        auto& [ws, ui] = school;
        makeListActive(ws, ui, NameList::Classes);
        const auto before = planPairs(ws);
        ui.answers = {MessageAnswer(answer), MessageAnswer(answer), MessageAnswer(answer)};
        ws.editor.names.entry = abc[1];
        addName(ws, ui);
        ws.editor.names.selectedClass = 0;
        insertName(ws, ui);
        // Renaming an entry to its own name is a duplicate too.
        selectName(ws, NameList::Classes, 1);
        renameName(ws, ui);
        QCOMPARE(ui.messages.size(), 3);
        for (const test::RecordedMessage& message : ui.messages) {
            QCOMPARE(message.prompt, QStringLiteral(u"你可能将数据重复输入"));
            QCOMPARE(message.title, QStringLiteral(u"输入不小心"));
            QCOMPARE(message.buttons, MessageButtons::CancelTryAgainContinue);
        }
        QCOMPARE(ws.school.classes, abc);
        QCOMPARE(planPairs(ws), before);
    }

    void trailingSpaceMakesANewTeacher()
    {
        test::School school;
        auto& [ws, ui] = school;
        enterNames(ws, ui, NameList::Teachers, {QStringLiteral(u"张三"), QStringLiteral(u"张三 ")});
        QCOMPARE(ws.school.teachers.size(), 2);
        QVERIFY(ui.messages.isEmpty());
    }

    void emptyListAndEmptyField()
    {
        test::School school;
        auto& [ws, ui] = school;
        makeListActive(ws, ui, NameList::Courses);
        ws.editor.names.entry = yuwen;
        insertName(ws, ui);
        renameName(ws, ui);
        QCOMPARE(ui.prompts(), (QStringList{QStringLiteral(u"请您先将数据输入"),
                                             QStringLiteral(u"请您先将数据输入")}));
        QCOMPARE(ui.messages.first().buttons, MessageButtons::Ok);
        QVERIFY(ui.messages.first().title.isEmpty());
        QVERIFY(ws.school.courses.isEmpty());

        // An empty field does nothing, silently.
        ui.messages.clear();
        ws.editor.names.entry.clear();
        addName(ws, ui);
        enterNames(ws, ui, NameList::Courses, {yuwen});
        ws.editor.names.selectedCourse = 0;
        insertName(ws, ui);
        renameName(ws, ui);
        QCOMPARE(ws.school.courses, QStringList{yuwen});
        QVERIFY(ui.messages.isEmpty());
    }

    void refusedNames_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named");
        const auto row = [](const char* tag, NameList list, const char16_t* name,
                            const char16_t* named) {
            QTest::newRow(tag) << int(list) << QString::fromUtf16(name) << QString::fromUtf16(named);
        };
        row("comma", NameList::Teachers, u"张,三", u"“,”");
        row("leading quote", NameList::Venues, u"\"操场", u"“\"”");
        row("separator", NameList::Courses, u"语\uF8F5文", u"U+F8F5");
        row("outside GBK", NameList::Teachers, u"张😀", u"“😀”");
        row("space in class", NameList::Classes, u"初一 1", u"空格");
        row("space in course", NameList::Courses, u"语 文", u"空格");
        // The reader skips them: " 张三" would come back as "张三", a second 张三.
        row("leading blank", NameList::Teachers, u" 张三", u"开头");
        row("leading tab", NameList::Venues, u"\t操场", u"开头");
        // The placeholder course: adding it would remove its own rows again.
        row("placeholder course", NameList::Courses, u"空", u"“空”");
        row("free-period course", NameList::Courses, u"空课", u"“空课”");
        row("all-classes class", NameList::Classes, u"全体班级", u"“全体班级”");
    }

    void refusedNames()
    {
        QFETCH(int, list);
        QFETCH(QString, name);
        QFETCH(QString, named);
        SmallSchool school;
        auto& [ws, ui] = school;
        const NameList kind = NameList(list);
        enterNames(ws, ui, kind, {QStringLiteral(u"甲")});
        const QStringList entries = names(ws, kind);
        const auto before = planPairs(ws);

        ws.editor.names.entry = name;
        addName(ws, ui);
        selectedEntry(ws, kind) = 0;
        insertName(ws, ui);
        renameName(ws, ui);
        QCOMPARE(ui.messages.size(), 3);
        for (const test::RecordedMessage& message : ui.messages) {
            QVERIFY2(message.prompt.contains(named), qPrintable(message.prompt));
            QCOMPARE(message.buttons, MessageButtons::Ok);
        }
        QCOMPARE(names(ws, kind), entries);
        QCOMPARE(planPairs(ws), before);
        QCOMPARE(ws.editor.names.entry, name);
    }

    void acceptedNames()
    {
        // Spaces in teacher and venue names, a quote inside a name and any GBK text are kept.
        QVERIFY(nameRefusal(NameList::Teachers, u"欧阳 修").isEmpty());
        QVERIFY(nameRefusal(NameList::Venues, u"一号\"楼\"").isEmpty());
        QVERIFY(nameRefusal(NameList::Classes, u"初一(1)班，甲").isEmpty());
        QVERIFY(nameRefusal(NameList::Courses, u"體育€").isEmpty());
        QVERIFY(nameRefusal(NameList::Teachers, u"张三 ").isEmpty());
        QVERIFY(nameRefusal(NameList::Teachers, u"空").isEmpty());
        QVERIFY(nameRefusal(NameList::Courses, u"全体班级").isEmpty());
    }

    void longEditsRedrawTheViewOnce()
    {
        test::School school;
        auto& [ws, ui] = school;
        QStringList classes;
        for (int i = 0; i < 20; ++i)
            classes.append(QStringLiteral(u"班%1").arg(i));
        enterNames(ws, ui, NameList::Classes, classes);
        enterNames(ws, ui, NameList::Courses, {yuwen, shuxue});
        QSignalSpy structure(&ws.school.plan.changes(), &model::GridSignals::structureChanged);
        const int eventsBefore = ui.processedEvents;
        ws.editor.names.selectedCourse = 0;
        ws.editor.names.entry = yingyu;
        insertName(ws, ui);
        QCOMPARE(structure.size(), 1);
        // At least once per plan row scanned.
        QVERIFY(ui.processedEvents - eventsBefore >= 40);
        QCOMPARE(planPairs(ws), blockLayout(classes, {yuwen, yingyu, shuxue}));
    }
};

QTEST_GUILESS_MAIN(TestNameLists)
#include "tst_namelists.moc"
