// Grouping combined lessons in the tree Tr3: adding, re-adding, a second group, removing
// members, groups and the root, and showCombinedClasses.
#include "conditions/combinedclasses.h"
#include "fakeuiport.h"
#include "fileio/filecommands.h"
#include "fileio/opendata.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/combinedlesson.h"
#include "model/combinedtree.h"
#include "model/gbk.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orve;
using namespace orve::conditions;
using orve::model::CombinedTree;

namespace {

const QString A = QStringLiteral(u"初一(1)");
const QString B = QStringLiteral(u"初一(2)");
const QString P = QStringLiteral(u"体育");

struct Shape
{
    QString key;
    QString text;
    int parent;
};

void compareTree(const CombinedTree& tree, const QList<Shape>& expected)
{
    QCOMPARE(tree.nodeCount(), int(expected.size()));
    for (int i = 0; i < tree.nodeCount(); ++i) {
        QCOMPARE(tree.node(i).key, expected.at(i).key);
        QCOMPARE(tree.node(i).text, expected.at(i).text);
        QCOMPARE(tree.node(i).parent, expected.at(i).parent);
    }
}

} // namespace

class TestCombinedClasses : public QObject
{
    Q_OBJECT

private slots:
    void entryIsClassSeparatorCourse()
    {
        QCOMPARE(model::combinedLessonEntry(A, P), A + QChar(0xF8F5) + P);
        QCOMPARE(groupName(QStringLiteral("1")), QStringLiteral(u"合班课1"));
        QCOMPARE(groupName(QStringLiteral(" 1 ")), QStringLiteral(u"合班课1")); // a saved group splits at spaces
    }

    void addingBuildsGroupsAndMembers()
    {
        CombinedTree tree;
        tree.reset();
        const QString root = CombinedTree::rootText();
        const QString g1 = QStringLiteral(u"合班课1");
        const QString g2 = QStringLiteral(u"合班课2");
        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(A, P));
        compareTree(
            tree,
            {{root, root, -1}, {g1, g1, 0}, {QStringLiteral("1nkey"), model::combinedLessonEntry(A, P), 1}});

        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(B, P));
        QCOMPARE(tree.node(3).key, QStringLiteral("2nkey"));
        QCOMPARE(tree.node(3).parent, 1);

        // Already a member of this group: nothing changes.
        const CombinedTree before = tree;
        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(A, P));
        QVERIFY(tree == before);

        // A second group comes after the first; its member's key follows the last node's.
        addToGroup(tree, QStringLiteral("2"), model::combinedLessonEntry(A, P));
        compareTree(tree, {{root, root, -1},
                           {g1, g1, 0},
                           {QStringLiteral("1nkey"), model::combinedLessonEntry(A, P), 1},
                           {QStringLiteral("2nkey"), model::combinedLessonEntry(B, P), 1},
                           {g2, g2, 0},
                           {QStringLiteral("3nkey"), model::combinedLessonEntry(A, P), 4}});
        QCOMPARE(tree.children(0), (QList<int>{1, 4}));
    }

    void emptyGroupNumberAndEmptyEntryAreAccepted()
    {
        CombinedTree tree;
        tree.reset();
        addToGroup(tree, QString(), QString());
        QCOMPARE(tree.nodeCount(), 3);
        QCOMPARE(tree.node(1).text, QStringLiteral(u"合班课"));
        QCOMPARE(tree.node(2).text, QString());
    }

    // The number field takes " 1 " as a number; the group must still be saved readably.
    void blanksAroundTheGroupNumberAreDropped()
    {
        Workspace ws;
        ws.school.combinedGroups.reset();
        addToGroup(ws.school.combinedGroups, QStringLiteral(" 1 "),
                   model::combinedLessonEntry(A, P));
        addToGroup(ws.school.combinedGroups, QStringLiteral("1"), model::combinedLessonEntry(B, P));
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 4);
        QCOMPARE(ws.school.combinedGroups.node(1).text, QStringLiteral(u"合班课1"));

        QByteArray bytes;
        QVERIFY(model::encodeGbk(fileio::settingsText(ws.school), bytes));
        fileio::OpenedSchool opened;
        const fileio::ReadError error = fileio::readTaggedValues(opened, bytes);
        QVERIFY2(!error.failed(), qPrintable(error.reason));
        QVERIFY(opened.school.combinedGroups == ws.school.combinedGroups);
    }

    void takenKeyEndsQuietly()
    {
        // A tree read from a file whose last key number is already taken by an earlier node.
        CombinedTree tree;
        tree.addRoot(CombinedTree::rootText(), CombinedTree::rootText());
        const int group = tree.addChild(0, QStringLiteral(u"合班课1"), QStringLiteral(u"合班课1"));
        tree.addChild(group, QStringLiteral("2nkey"), QStringLiteral("x"));
        tree.addChild(group, QStringLiteral("1nkey"), QStringLiteral("y"));
        const CombinedTree before = tree;
        addToGroup(tree, QStringLiteral("1"), QStringLiteral("z"));
        QVERIFY(tree == before);
    }

    void removingMembersGroupsAndRoot()
    {
        CombinedTree tree;
        tree.reset();
        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(A, P));
        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(B, P));
        addToGroup(tree, QStringLiteral("2"), model::combinedLessonEntry(A, P));

        removeTreeNode(tree, -1);
        QCOMPARE(tree.nodeCount(), 6);

        // One of two members: the group keeps the other.
        removeTreeNode(tree, 2);
        QCOMPARE(tree.nodeCount(), 5);
        QCOMPARE(tree.children(1), (QList<int>{2}));
        QCOMPARE(tree.node(2).text, model::combinedLessonEntry(B, P));

        // The last member takes its group with it.
        removeTreeNode(tree, 4);
        QCOMPARE(tree.nodeCount(), 3);
        QCOMPARE(tree.findText(QStringLiteral(u"合班课2")), -1);

        // A group goes with all its members.
        addToGroup(tree, QStringLiteral("1"), model::combinedLessonEntry(A, P));
        removeTreeNode(tree, 1);
        QCOMPARE(tree.nodeCount(), 1);

        // The root leaves a fresh root.
        addToGroup(tree, QStringLiteral("3"), model::combinedLessonEntry(A, P));
        removeTreeNode(tree, 0);
        compareTree(tree, {{CombinedTree::rootKey(), CombinedTree::rootText(), -1}});
    }

    // The window's 确定 refuses what could not be taught together, saying why; Open tells
    // what a file holds of it and keeps the file's tree.
    void aClassTwiceOrACourseOutsideThePlanIsRefusedAndReportedOnOpen()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.classes = {A, B};
        ws.school.courses = {P, QStringLiteral(u"英语")};
        school::rebuildPlanSkeleton(ws.school);
        ws.school.combinedGroups.reset();
        const auto add = [&](const QString& number, const QString& className,
                             const QString& course) {
            addLessonToGroup(ws, ui, number, model::combinedLessonEntry(className, course));
        };
        add(QStringLiteral("1"), A, P);
        add(QStringLiteral("1"), A, P); // the same member again changes nothing
        QVERIFY(ui.messages.isEmpty());
        add(QStringLiteral("1"), A, QStringLiteral(u"英语"));
        add(QStringLiteral("1"), B, QStringLiteral(u"舞蹈"));
        add(QStringLiteral("1"), QStringLiteral(u"初\u202E一"), P);
        addLessonToGroup(ws, ui, QStringLiteral("1"), QString());
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 3);
        QCOMPARE(ui.messages.size(), 4);
        QVERIFY2(ui.messages.at(0).prompt.contains(u"没有加入合班课1") &&
                     ui.messages.at(0).prompt.contains(u"班级“初一(1)”在这个合班课中已有一门课"),
                 qPrintable(ui.messages.at(0).prompt));
        QVERIFY(ui.messages.at(1).prompt.contains(u"班级“初一(2)”的教学计划中没有“舞蹈”这门课"));
        QVERIFY(ui.messages.at(2).prompt.contains(u"初<U+202E>一"));
        QVERIFY(ui.messages.at(3).prompt.contains(u"没有选择课程"));
        add(QStringLiteral("2"), A, QStringLiteral(u"英语"));
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 5);

        // A file made elsewhere: both kinds in one group.
        const int group = ws.school.combinedGroups.findText(QStringLiteral(u"合班课1"));
        ws.school.combinedGroups.addChild(group, QStringLiteral("8nkey"),
                                          model::combinedLessonEntry(A, QStringLiteral(u"英语")));
        ws.school.combinedGroups.addChild(group, QStringLiteral("9nkey"),
                                          model::combinedLessonEntry(B, QStringLiteral(u"舞蹈")));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("groups.rve"));
        QVERIFY(fileio::writeSchoolFile(ws.school, file).written());
        Workspace opened;
        test::FakeUiPort openUi;
        school::startUp(opened, openUi);
        openUi.fileNames = QStringList{file};
        QCOMPARE(fileio::openSchool(opened, openUi), fileio::CommandOutcome::Done);
        QCOMPARE(openUi.messages.size(), 1);
        const QString report = openUi.messages.first().prompt;
        QVERIFY2(
            report.contains(u"合班课1：初一(1) · 英语（班级“初一(1)”在这个合班课中已有一门课") &&
                report.contains(u"合班课1：初一(2) · 舞蹈（班级“初一(2)”的教学计划中没有"),
            qPrintable(report));
        QVERIFY(opened.school.combinedGroups == ws.school.combinedGroups);
    }

    void hbkShowsTheTabAndTheFirstFixedEntry()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.fixedLessons = QStringList{QStringLiteral("A B 1 1"), QStringLiteral("A C 2 2")};
        showCombinedClasses(ws, ui);
        QCOMPARE(ui.tabsShown, QList<MainTab>{MainTab::SpecialConditions});
        QCOMPARE(ws.editor.fixedLessons.listText, QStringLiteral("A B 1 1"));
        ws.school.fixedLessons.clear();
        showCombinedClasses(ws, ui);
        QCOMPARE(ws.editor.fixedLessons.listText, QString());
    }
};

QTEST_APPLESS_MAIN(TestCombinedClasses)
#include "tst_combinedclasses.moc"
