// Nothing is lost unasked: the question about unsaved changes before New, Open and Exit with
// each of its answers and a failing save, Open of a given file, the recent files, where the
// file dialogs start, and the question before a week step clears a timetable.
#include "fakeuiport.h"
#include "fileio/filecommands.h"
#include "sampleschool.h"
#include "school/startup.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orve;
using namespace orve::fileio;

namespace {

const QString SaveQuestion = QStringLiteral(u"当前课程设置已修改，是否保存？");
const QString RelayoutQuestion = QStringLiteral(u"重新设置日制将清除已排好的课程表，是否继续？");

} // namespace

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString copyOf(const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        QFile::copy(test::dataFile(name), path);
        return path;
    }

    // The sample school with a change since it was saved to `saved.rve`.
    void changedSchool(Workspace& ws, test::FakeUiPort& ui)
    {
        test::buildSampleSchool(ws, ui);
        ws.setDocumentPath(dir_.filePath(QStringLiteral("saved.rve")));
        QFile::remove(ws.session.documentPath);
        ws.markUnsaved();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void nothingIsAskedWhenNothingChanged()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        QVERIFY(askToKeepWork(ws, ui));
        QVERIFY(ui.messages.isEmpty());
    }

    void eachAnswerKeepsTheWorkOrLetsItGo_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("written");
        QTest::newRow("保存") << MessageAnswer::Save << true << true;
        QTest::newRow("不保存") << MessageAnswer::Discard << true << false;
        QTest::newRow("取消") << MessageAnswer::Cancel << false << false;
    }

    void eachAnswerKeepsTheWorkOrLetsItGo()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, goOn);
        QFETCH(bool, written);
        Workspace ws;
        test::FakeUiPort ui;
        changedSchool(ws, ui);
        ui.answers = {answer};
        QCOMPARE(askToKeepWork(ws, ui), goOn);
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(ui.messages.first().prompt, SaveQuestion);
        QCOMPARE(ui.messages.first().buttons, MessageButtons::SaveDiscardCancel);
        QCOMPARE(QFile::exists(ws.session.documentPath), written);
        QCOMPARE(ws.session.modified, !written);
        QVERIFY(ui.fileDialogs.isEmpty()); // the school has its file
    }

    void newAndOpenKeepTheSchoolOnCancel()
    {
        Workspace ws;
        test::FakeUiPort ui;
        changedSchool(ws, ui);
        ui.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
        ui.fileNames = {copyOf(QStringLiteral("six-days.rve"))};
        QCOMPARE(newSchool(ws, ui), CommandOutcome::Cancelled);
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Cancelled);
        QCOMPARE(ui.prompts(), QStringList({SaveQuestion, SaveQuestion}));
        QVERIFY(ui.fileDialogs.isEmpty()); // Open asked before its dialog
        QCOMPARE(ws.school.classes.size(), 2);
        QVERIFY(ws.session.modified);

        // 保存 first, then the other file is opened.
        ui.answers = {MessageAnswer::Save};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("saved.rve"))));
        QCOMPARE(ws.school.classes, QStringList{QStringLiteral(u"高一")});
        QVERIFY(!ws.session.modified);
    }

    // A school never saved gets the save dialog; cancelling it or a failing save keeps it.
    void aCancelledOrFailedSaveKeepsEverything()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.markUnsaved();
        ui.answers = {MessageAnswer::Save, MessageAnswer::Save};
        QVERIFY(!askToKeepWork(ws, ui)); // the save dialog was cancelled
        QCOMPARE(ui.fileDialogs.size(), 1);
        QCOMPARE(ui.fileDialogs.first().title, QStringLiteral(u"新建课程设置文件 "));

        const QString unwritable = dir_.filePath(QStringLiteral("no-such-folder/school.rve"));
        ui.fileNames = {unwritable};
        QCOMPARE(newSchool(ws, ui), CommandOutcome::Cancelled);
        QCOMPARE(ui.messages.size(), 3); // question, question, the failure
        QVERIFY(ui.messages.last().prompt.contains(QStringLiteral(u"没有保存")));
        QCOMPARE(ws.school.classes.size(), 2);
        QVERIFY(ws.session.modified);
        QVERIFY(ws.session.documentPath.isEmpty());
    }

    void openOfAGivenFile()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        QSignalSpy history(&ws.notifier, &Notifier::fileHistoryChanged);
        const QString file = copyOf(QStringLiteral("six-days.rve"));
        QCOMPARE(openSchoolPath(ws, ui, file), CommandOutcome::Done);
        QVERIFY(ui.fileDialogs.isEmpty() && ui.messages.isEmpty());
        QCOMPARE(ws.session.documentPath, file);
        QCOMPARE(ws.session.recentFiles.paths(), QStringList{file});
        QCOMPARE(ws.session.lastFolder, dir_.path());
        QVERIFY(history.count() > 0);

        // A file that is gone: the usual message, the school stays, the list forgets it.
        const QString gone = dir_.filePath(QStringLiteral("gone.rve"));
        QFile::copy(file, gone);
        QCOMPARE(openSchoolPath(ws, ui, gone), CommandOutcome::Done);
        QFile::remove(gone);
        QCOMPARE(openSchoolPath(ws, ui, gone), CommandOutcome::Failed);
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY(ui.messages.first().prompt.contains(QDir::toNativeSeparators(gone)));
        QVERIFY(ui.messages.first().prompt.contains(QStringLiteral(u"原来的课程设置没有改变")));
        QCOMPARE(ws.session.recentFiles.paths(), QStringList{file});
        QCOMPARE(ws.school.classes, QStringList{QStringLiteral(u"高一")});
    }

    void recentFilesKeepTheLastFourOnce()
    {
        RecentFiles recent({QStringLiteral("/a.rve"), QString(), QStringLiteral("/a.rve"),
                            QStringLiteral("/b.rve")});
        QCOMPARE(recent.paths(), QStringList({QStringLiteral("/a.rve"), QStringLiteral("/b.rve")}));
        for (const char* path : {"/c.rve", "/d.rve", "/e.rve"})
            QVERIFY(recent.add(QString::fromLatin1(path)));
        QVERIFY(!recent.add(QStringLiteral("/x/../e.rve"))); // already first
        QVERIFY(recent.add(QStringLiteral("/c.rve")));
        QCOMPARE(recent.paths(), QStringList({QStringLiteral("/c.rve"), QStringLiteral("/e.rve"),
                                              QStringLiteral("/d.rve"), QStringLiteral("/a.rve")}));
        QVERIFY(recent.remove(QStringLiteral("/e.rve")));
        QVERIFY(!recent.remove(QStringLiteral("/e.rve")));
        QCOMPARE(recent.paths().size(), 3);
    }

    void dialogsStartInTheDocumentsThenTheLastFolder()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(dialogFolder(ws), documents);
        QVERIFY(dialogFolder(ws) != QCoreApplication::applicationDirPath());

        const QString file = copyOf(QStringLiteral("six-days.rve"));
        ui.fileNames = {file};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(ui.fileDialogs.first().startFolder, documents);
        // The open document's folder, and after New the folder last used.
        QCOMPARE(dialogFolder(ws), dir_.path());
        QCOMPARE(newSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(dialogFolder(ws), dir_.path());
        saveSchool(ws, ui); // cancelled
        QCOMPARE(ui.fileDialogs.last().startFolder, dir_.path());
        // A folder that is gone no more.
        ws.session.lastFolder = dir_.filePath(QStringLiteral("gone"));
        QCOMPARE(dialogFolder(ws), documents);
    }

    void saveTellsWhereItWrote()
    {
        Workspace ws;
        test::FakeUiPort ui;
        changedSchool(ws, ui);
        QSignalSpy saved(&ws.notifier, &Notifier::saved);
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toString(), ws.session.documentPath);
        QCOMPARE(ws.session.recentFiles.paths().first(), ws.session.documentPath);
    }

    void weekStepAsksBeforeItClearsTheTimetable()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        const model::Grid& timetable = ws.school.masterTimetable;
        ws.session.timetableLoaded = true; // as Open leaves it
        QVERIFY(school::masterHoldsLessons(ws));
        const int columns = timetable.columnCount();
        const QString lesson = timetable.text({2, 1});
        QVERIFY(!lesson.isEmpty());

        ui.answers = {MessageAnswer::No};
        QVERIFY(!school::stepWeekField(ws, ui, model::WeekField::Morning, QStringLiteral("4")));
        QCOMPARE(ui.prompts(), QStringList{RelayoutQuestion});
        QCOMPARE(ws.school.week.morning, QStringLiteral("3"));
        QCOMPARE(timetable.text({2, 1}), lesson);
        QCOMPARE(timetable.columnCount(), columns);

        ui.answers = {MessageAnswer::Yes};
        QVERIFY(school::stepWeekField(ws, ui, model::WeekField::Morning, QStringLiteral("4")));
        QCOMPARE(ws.school.week.morning, QStringLiteral("4"));
        QVERIFY(timetable.text({2, 1}).isEmpty());
        QVERIFY(timetable.columnCount() > columns);

        // An empty timetable is not asked for, nor the same number written another way.
        QVERIFY(school::stepWeekField(ws, ui, model::WeekField::Morning, QStringLiteral("5")));
        ws.school.masterTimetable.setText({2, 1}, lesson);
        QVERIFY(school::stepWeekField(ws, ui, model::WeekField::Morning, QStringLiteral("05")));
        QCOMPARE(timetable.text({2, 1}), lesson);
        QCOMPARE(ui.messages.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestUnsavedWork)
#include "tst_unsavedwork.moc"
