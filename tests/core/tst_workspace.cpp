// The notifier and the modified flag: every kind of change of the saved school is announced
// and marks the school modified; marks, editor and session changes do not; a change taken back
// clears it again; New, Open and a successful Save clear the flag, a failed Save leaves it.
#include "fakeuiport.h"
#include "sampleschool.h"

#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "conditions/combinedclasses.h"
#include "conditions/fixedlessons.h"
#include "fileio/filecommands.h"
#include "fileio/titletext.h"
#include "school/namelistcommands.h"
#include "school/plancellpress.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace orve;

class TestWorkspace : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void changesAreAnnouncedAndMarkTheSchoolModified_data()
    {
        using Change = std::function<void(Workspace&, UiPort&)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("list") << Change([](Workspace& ws, UiPort& ui) {
            ws.editor.names.entry = QStringLiteral(u"三班");
            school::addName(ws, ui);
        }) << QByteArray(SIGNAL(listsChanged()));
        QTest::newRow("plan") << Change([](Workspace& ws, UiPort&) {
            school::pressPlanCell(ws, 1, school::MainMarkColumn, {});
        }) << QByteArray(SIGNAL(planChanged()));
        QTest::newRow("combined lesson") << Change([](Workspace& ws, UiPort&) {
            school::pressPlanCell(ws, 1, school::CombinedColumn, {});
        }) << QByteArray(SIGNAL(conditionsChanged()));
        QTest::newRow("group") << Change([](Workspace& ws, UiPort& ui) {
            conditions::addLessonToGroup(ws, ui, QStringLiteral("7"),
                                         ws.school.combinedLessons.first());
        }) << QByteArray(SIGNAL(conditionsChanged()));
        QTest::newRow("week") << Change([](Workspace& ws, UiPort&) {
            school::setWeekField(ws, model::WeekField::Days, QStringLiteral("6"));
        }) << QByteArray(SIGNAL(weekChanged()));
        QTest::newRow("title") << Change([](Workspace& ws, UiPort&) {
            fileio::setTitle(ws, u"课表");
        }) << QByteArray(SIGNAL(titleChanged()));
        QTest::newRow("timetable") << Change([](Workspace& ws, UiPort&) {
            ws.school.masterTimetable.swapCells({2, 1}, {2, 2});
        }) << QByteArray(SIGNAL(timetableChanged()));
    }
    void changesAreAnnouncedAndMarkTheSchoolModified()
    {
        QFETCH(std::function<void(Workspace&, UiPort&)>, change);
        QFETCH(QByteArray, signal);
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.markSaved();
        QSignalSpy announced(&ws.notifier, signal.constData());
        QSignalSpy modified(&ws.notifier, &Notifier::modifiedChanged);
        change(ws, ui);
        QVERIFY(announced.count() >= 1);
        QVERIFY(ws.session.modified);
        QCOMPARE(modified.count(), 1);
    }

    void marksAndEditorStateLeaveTheSchoolUnmodified()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.markSaved();
        QSignalSpy marks(&ws.notifier, &Notifier::marksChanged);
        ws.school.masterTimetable.setBackColour({2, 1}, model::PickedColour);
        school::showCourseList(ws, ui);
        school::selectName(ws, school::NameList::Courses, 0);
        conditions::prepareFixedLessons(ws, ui);
        QCOMPARE(marks.count(), 1);
        QVERIFY(!ws.session.modified);
    }

    // The flag says whether the school differs from its file: undone back to it, or changed
    // and changed back, it is clear again.
    void undoBackToTheSavedSchoolClearsTheFlag()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        adjust::swapLessons(ws, {2, 1}, {2, 2});
        QVERIFY(ws.session.modified);
        QVERIFY(adjust::undoHandChange(ws, ui));
        QVERIFY(!ws.session.modified);
        QVERIFY(adjust::redoHandChange(ws, ui));
        QVERIFY(ws.session.modified);
        ws.markSaved();
        QVERIFY(adjust::undoHandChange(ws, ui));
        QVERIFY(ws.session.modified);

        ws.markSaved();
        school::pressPlanCell(ws, 1, school::MainMarkColumn, {});
        QVERIFY(ws.session.modified);
        school::pressPlanCell(ws, 1, school::MainMarkColumn, {});
        QVERIFY(!ws.session.modified);
    }

    void newOpenAndSaveClearTheFlag()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        QSignalSpy replaced(&ws.notifier, &Notifier::schoolReplaced);
        ws.markUnsaved();
        ws.session.documentPath = dir_.path(); // a folder: the save fails
        QCOMPARE(fileio::saveSchool(ws, ui), fileio::CommandOutcome::Failed);
        QVERIFY(ws.session.modified);

        ws.session.documentPath = dir_.filePath(QStringLiteral("school.rve"));
        QCOMPARE(fileio::saveSchool(ws, ui), fileio::CommandOutcome::Done);
        QVERIFY(!ws.session.modified);

        fileio::setTitle(ws, u"新");
        ui.fileNames = {ws.session.documentPath};
        QCOMPARE(fileio::openSchool(ws, ui), fileio::CommandOutcome::Done);
        QVERIFY(!ws.session.modified);
        QCOMPARE(replaced.count(), 1);

        ws.markUnsaved();
        fileio::newSchool(ws, ui);
        QVERIFY(!ws.session.modified);
        QCOMPARE(replaced.count(), 2);
        QVERIFY(ws.school.classes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
