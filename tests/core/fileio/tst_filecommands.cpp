// The file menu's commands with scripted dialogs: which file they use, what they leave in the
// tables, and what they tell the user when a file cannot be read or written.
#include "fakeuiport.h"
#include "fileio/filecommands.h"
#include "fileio/titletext.h"
#include "model/cellmarks.h"
#include "model/gbk.h"
#include "sampleschool.h"
#include "school/startup.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orve;
using namespace orve::fileio;
using namespace Qt::StringLiterals;

class TestFileCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString schoolFile_;

    QString copyOf(const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        QFile::copy(test::dataFile(name), path);
        return path;
    }

    // Start-up, then Open of the school file through the scripted dialog.
    bool startAndOpenTheSchool(Workspace& ws, test::FakeUiPort& ui)
    {
        school::startUp(ws, ui);
        ui.fileNames = QStringList{schoolFile_};
        return openSchool(ws, ui) == CommandOutcome::Done;
    }

private slots:
    void init() { schoolFile_ = copyOf(QStringLiteral("school.rve")); }

    void openAsksWithItsTitleAndFileTypes()
    {
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));
        QCOMPARE(ui.fileDialogs.size(), 1);
        QCOMPARE(ui.fileDialogs.first().title, QStringLiteral(u"打开课程设置文件 "));
        QCOMPARE(ui.fileDialogs.first().filter,
                 QStringLiteral(u"课程文件 (*.rve);;所有文件  (*.*)"));
        QCOMPARE(ws.session.documentPath, schoolFile_);
        QCOMPARE(ws.session.ioPath, schoolFile_);
        QCOMPARE(ui.tabsShown.last(), MainTab::Basics);
        QVERIFY(ui.processedEvents > 0);
        QVERIFY(ui.messages.isEmpty());
        QVERIFY(ws.session.timetableLoaded);
    }

    // A file keeps texts only: Open marks fixed again what a run marks, so that no swap or
    // repair moves it: the cells fixed-lesson entries hold in place, "空课", and the combined
    // lessons whose group holds the slot together (语文 in slot 1; 数学 has no periods for its
    // group, so it is no combined lesson).
    void openMarksFixedLessonsAgain()
    {
        QByteArray bytes = test::readBytes(schoolFile_);
        QByteArray entry;
        QVERIFY(model::encodeGbk(u"初一(1) 语文 1 19l", entry));
        QByteArray fixed;
        QVERIFY(model::encodeGbk(u"初一(2) 语文 2 29l", fixed)); // column 7 of 初一(2)
        bytes.replace(entry, fixed);
        QVERIFY(test::writeBytes(schoolFile_, bytes));
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));
        QStringList marked;
        const model::Grid& timetable = ws.school.masterTimetable;
        for (int r = 2; r < timetable.rowCount(); ++r)
            for (int c = 1; c < timetable.columnCount(); ++c)
                if (timetable.cell({r, c}).style == model::FixedMark)
                    marked.append(QStringLiteral("%1,%2").arg(r).arg(c));
        QCOMPARE(marked, (QStringList{u"2,1"_s, u"3,1"_s, u"3,7"_s, u"3,23"_s}));
    }

    // The lists are replaced, so nothing stays selected in them or in the class chooser.
    void openResetsSelectionsAndTheClassChooser()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.editor.names.selectedCourse = 1;
        ws.editor.fixedLessons.classChoices =
            QStringList{QStringLiteral(u"初一(1)"), QStringLiteral(u"全体班级")};
        ws.editor.fixedLessons.classIndex = 1;
        ws.editor.fixedLessons.classNumber = QStringLiteral("1");
        ws.editor.names.entry = QStringLiteral(u"三班");
        ws.session.conflicts = {{{2, 1}, QStringLiteral(u"初一(1)"), QStringLiteral(u"语文  张三"), {}}};
        ui.fileNames = QStringList{schoolFile_};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        QVERIFY(ws.editor.names.entry.isEmpty());
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(ws.editor.names.selectedCourse, -1);
        QVERIFY(ws.editor.fixedLessons.classChoices.isEmpty());
        QCOMPARE(ws.editor.fixedLessons.classIndex, -1);
        QCOMPARE(ws.editor.fixedLessons.classNumber, QStringLiteral("0"));
    }

    void cancelledOpenChangesNothing()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.session.documentPath = QStringLiteral("/somewhere.rve");
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Cancelled);
        QCOMPARE(ws.session.documentPath, QStringLiteral("/somewhere.rve"));
        QCOMPARE(ws.school.classes.size(), 2);
    }

    void openWithoutTimetableLeavesTheFlagClear()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.session.timetableLoaded = true;
        ui.fileNames = QStringList{copyOf(QStringLiteral("empty-school.rve"))};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        QVERIFY(!ws.session.timetableLoaded);
        QVERIFY(ws.school.classes.isEmpty());
        QCOMPARE(ws.school.masterTimetable.rowCount(), 2);
    }

    void saveAfterOpenWritesWithoutADialog()
    {
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));
        ws.school.venues.append(QStringLiteral(u"礼堂"));
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(ui.fileDialogs.size(), 1); // Open's only
        QVERIFY(test::readBytes(schoolFile_)
                    .contains(QByteArray("\xc0\xf1\xcc\xc3"
                                         "2l, , \r\n")));
    }

    void saveWithoutDocumentPathAsksAndConfirmsReplacing()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Cancelled);
        QCOMPARE(ui.fileDialogs.size(), 1);
        QCOMPARE(ui.fileDialogs.first().title, QStringLiteral(u"新建课程设置文件 "));
        QVERIFY(ui.fileDialogs.first().confirmOverwrite);
        QVERIFY(ws.session.documentPath.isEmpty());

        const QString path = dir_.filePath(QStringLiteral("new.rve"));
        ui.fileNames = QStringList{path};
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(ws.session.documentPath, path);
        QCOMPARE(test::readBytes(path), test::readBytes(test::dataFile(u"empty-school.rve"_qs)));
    }

    void saveAsThenSaveWritesToTheEarlierPath()
    {
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));

        const QString copy = dir_.filePath(QStringLiteral("copy.rve"));
        ui.fileNames = QStringList{copy};
        QCOMPARE(saveSchoolAs(ws, ui), CommandOutcome::Done);
        QCOMPARE(ui.fileDialogs.last().title, QStringLiteral(u"课程设置文件另存为... "));
        QVERIFY(ui.fileDialogs.last().confirmOverwrite);
        QCOMPARE(ws.session.documentPath, schoolFile_);
        QCOMPARE(test::readBytes(copy), test::readBytes(schoolFile_));

        ws.school.title = QStringLiteral(u"新标题");
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(ui.fileDialogs.size(), 2);
        QCOMPARE(ws.session.ioPath, schoolFile_);
        QVERIFY(test::readBytes(schoolFile_)
                    .contains(QByteArray("\xd0\xc2\xb1\xea\xcc\xe2"
                                         "bt, , ")));
        QVERIFY(!test::readBytes(copy).contains(QByteArray("\xd0\xc2\xb1\xea\xcc\xe2")));
    }

    void newStartsAnEmptySchool()
    {
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));
        ws.school.title = QStringLiteral(u"标题");
        ws.school.week.morning = QStringLiteral("4");
        ws.editor.names.entry = QStringLiteral(u"三班");
        ws.editor.names.selectedClass = 1;
        ws.editor.fixedLessons.classChoices = QStringList{QStringLiteral(u"初一(1)")};
        ws.editor.fixedLessons.classIndex = 0;
        ws.session.conflicts = {{{2, 1}, QStringLiteral(u"初一(1)"), QStringLiteral(u"语文  张三"), {}}};
        QCOMPARE(newSchool(ws, ui), CommandOutcome::Done);
        QVERIFY(ws.editor.names.entry.isEmpty());
        QVERIFY(ws.session.conflicts.empty());
        QCOMPARE(ws.editor.names.selectedClass, -1);
        QVERIFY(ws.editor.fixedLessons.classChoices.isEmpty());
        QCOMPARE(ws.editor.fixedLessons.classIndex, -1);
        QVERIFY(!ws.session.timetableLoaded);
        QVERIFY(ws.session.documentPath.isEmpty());
        QCOMPARE(ws.session.ioPath, schoolFile_);
        QVERIFY(ws.school.classes.isEmpty() && ws.school.venues.isEmpty() &&
                ws.school.courses.isEmpty() && ws.school.teachers.isEmpty() &&
                ws.school.combinedLessons.isEmpty() && ws.school.fixedLessons.isEmpty());
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 1);
        QCOMPARE(ws.school.combinedGroups.node(0).key, QStringLiteral("Root"));
        QCOMPARE(ws.school.plan.rowCount(), 1);
        QCOMPARE(ws.school.plan.text({0, 0}), QStringLiteral(u"班级"));
        QCOMPARE(ws.school.masterTimetable.rowCount(), 4); // counts stay, texts go
        QVERIFY(ws.school.masterTimetable.text({0, 1}).isEmpty() &&
                ws.school.masterTimetable.text({2, 1}).isEmpty());
        QVERIFY(ws.editor.fixedLessonGrid.text({0, 0}).isEmpty());
        QCOMPARE(ws.school.title, QStringLiteral(u"标题"));
        QCOMPARE(ws.school.week.morning, QStringLiteral("4"));
        QCOMPARE(ui.tabsShown.last(), MainTab::Basics);

        // New, then Open gives the same tables as Open alone.
        ui.fileNames = QStringList{schoolFile_};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        Workspace alone;
        test::FakeUiPort other;
        school::startUp(alone, other);
        other.fileNames = QStringList{schoolFile_};
        QCOMPARE(openSchool(alone, other), CommandOutcome::Done);
        const QString difference = test::differenceInStoredTables(alone, ws);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void failedOpenKeepsTheOpenSchool_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::newRow("parent key not read")
            << QByteArray("a1l, , \r\nb1l, , \r\nx y ztre3, , \r\n") << 3;
        QTest::newRow("not GBK") << QByteArray("a1l, , \r\n\x81\x7f\xff\x80\r\n") << 2;
        QTest::newRow("cell column not a number") << QByteArray("a1l, , \r\nx,2,ykczb\r\n") << 2;
        QTest::newRow("cell beyond any timetable") << QByteArray("9999,2,ykczb\r\n") << 1;
        QTest::newRow("plan column beyond the plan") << QByteArray("9,1,yjhb\r\n") << 1;
        QTest::newRow("ends inside a line") << QByteArray("a1l, , \r\nb") << 2;
    }

    void failedOpenKeepsTheOpenSchool()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        const QString broken = dir_.filePath(QStringLiteral("broken.rve"));
        QVERIFY(test::writeBytes(broken, content));

        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.session.documentPath = schoolFile_;
        ws.editor.names.selectedClass = 0;
        Workspace before;
        test::buildSampleSchool(before, ui);

        ui.fileNames = QStringList{broken};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Failed);
        QCOMPARE(ui.messages.size(), 1);
        const QString prompt = ui.messages.first().prompt;
        QVERIFY2(prompt.contains(QDir::toNativeSeparators(broken)), qPrintable(prompt));
        QVERIFY2(prompt.contains(QStringLiteral(u"第 %1 行").arg(line)), qPrintable(prompt));
        const QString difference = test::differenceInStoredTables(before, ws);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(ws.session.documentPath, schoolFile_); // Save still goes to the school's own file
        QCOMPARE(ws.editor.names.selectedClass, 0);
        QCOMPARE(ws.school.masterTimetable.text({0, 1}),
                 before.school.masterTimetable.text({0, 1}));
    }

    void missingFileIsReported()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        const QString missing = dir_.filePath(QStringLiteral("missing.rve"));
        ui.fileNames = QStringList{missing};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Failed);
        QVERIFY(ui.prompts().first().contains(QDir::toNativeSeparators(missing)));
        QVERIFY(ws.session.documentPath.isEmpty());
    }

    // Root ignores permission bits, so the failures come from the path itself.
    void failedSaveIsReportedAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("directory does not exist") << QStringLiteral("no/such/folder/school.rve");
        QTest::newRow("a directory in place of the file") << QStringLiteral("folder.rve");
    }

    void failedSaveIsReportedAndKeepsTheFile()
    {
        QFETCH(QString, target);
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("folder.rve")));
        const QString path = dir_.filePath(target);

        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ui.fileNames = QStringList{path, path};
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Failed);
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY2(ui.prompts().first().contains(QStringLiteral(u"没有保存")),
                 qPrintable(ui.prompts().first()));
        QVERIFY(ws.session.documentPath.isEmpty()); // the next Save asks again
        QCOMPARE(saveSchoolAs(ws, ui), CommandOutcome::Failed);
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(!QFileInfo(path).isFile());
    }

    void charactersOutsideGbkAreRefused()
    {
        Workspace ws;
        test::FakeUiPort ui;
        QVERIFY(startAndOpenTheSchool(ws, ui));
        const QByteArray before = test::readBytes(schoolFile_);
        ws.school.teachers.append(QStringLiteral(u"王😀"));
        ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文  กข"));
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Failed);
        const QString prompt = ui.prompts().last();
        QVERIFY2(prompt.contains(QStringLiteral(u"😀 ก ข")), qPrintable(prompt));
        QVERIFY(prompt.contains(QStringLiteral(u"王😀")));
        QVERIFY(!prompt.contains(u'?'));
        QCOMPARE(test::readBytes(schoolFile_), before);

        ws.school.teachers.removeLast();
        ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文\n张三"));
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Failed);
        QVERIFY(ui.prompts().last().contains(QStringLiteral(u"换行符")));
        QCOMPARE(test::readBytes(schoolFile_), before);
    }

    void titleTakesOnlyWhatReadsBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("comma") << QStringLiteral(u"初一,初二") << QStringLiteral(u"初一，初二");
        QTest::newRow("leading blanks") << QStringLiteral(u" \t 课表 ") << QStringLiteral(u"课表 ");
        QTest::newRow("leading quote") << QStringLiteral(u"\"课表\"") << QStringLiteral(u"“课表\"");
        QTest::newRow("line break") << QStringLiteral(u"一\r\n二") << QStringLiteral(u"一二");
        QTest::newRow("plain") << QStringLiteral(u"2026 秋季 课表")
                               << QStringLiteral(u"2026 秋季 课表");
    }

    void titleTakesOnlyWhatReadsBack()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(tidyTitle(typed), kept);

        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        ws.school.title = tidyTitle(typed);
        const QString path = dir_.filePath(QStringLiteral("title.rve"));
        ui.fileNames = QStringList{path, path};
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Done);
        Workspace back;
        school::startUp(back, ui);
        QCOMPARE(openSchool(back, ui), CommandOutcome::Done);
        QCOMPARE(back.school.title, kept);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
