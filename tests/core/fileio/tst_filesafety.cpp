// A course-settings file is never lost or made up: a save that fails part-way leaves the old
// file as it was and says so in Chinese, only regular files are replaced, and files that are
// empty, foreign, cut short or ask for a huge school are refused or questioned.
#include "fakeuiport.h"
#include "fileio/filecommands.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "sampleschool.h"
#include "school/namelistcommands.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace orve;
using namespace orve::fileio;

namespace {

// A file naming `classes` classes and `courses` courses and nothing else.
QByteArray countsFile(int classes, int courses)
{
    QByteArray bytes;
    for (int i = 0; i < classes; ++i)
        bytes += "c" + QByteArray::number(i) + "1l, , \r\n";
    for (int k = 0; k < courses; ++k)
        bytes += "k" + QByteArray::number(k) + "lp, , \r\n";
    return bytes + "3t8, , \r\n";
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // The sample school with enough classes to make a file of some 30 KB, beyond any buffer.
    QString largeSchoolFile()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        for (int i = 0; i < 2000; ++i)
            ws.school.teachers.append(QStringLiteral(u"教师%1").arg(i));
        const QString file = path("large.rve");
        writeSchoolFile(ws.school, file);
        return file;
    }

    // Opens `file` into a started-up sample school through the Open command.
    CommandOutcome openInto(Workspace& ws, test::FakeUiPort& ui, const QString& file)
    {
        test::buildSampleSchool(ws, ui);
        ui.fileNames = QStringList{file};
        return openSchool(ws, ui);
    }

private slots:
    // orve-cli in a process whose files may not grow beyond `limit` bytes, as on a full disk.
    void saveUnderAFileSizeLimitKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("school");
        QTest::addColumn<int>("limit");
        // A small file stays in the write buffer until the end; a large one fails on write.
        QTest::newRow("small") << test::dataFile(QStringLiteral("school.rve")) << 512;
        QTest::newRow("large") << largeSchoolFile() << 4096;
    }
    void saveUnderAFileSizeLimitKeepsTheOldFile()
    {
        QFETCH(QString, school);
        QFETCH(int, limit);
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("target.rve"));
        const QByteArray old("old school\r\n");
        QVERIFY(test::writeBytes(target, old));

        QProcess cli;
        cli.setChildProcessModifier([limit] {
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &size);
        });
        cli.start(QStringLiteral(ORVE_CLI), {QStringLiteral("roundtrip"), school, target});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(test::readBytes(target), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("target.rve")});
        const QString said = QString::fromLocal8Bit(cli.readAllStandardError());
        QVERIFY2(said.contains(QStringLiteral(u"没有保存：文件超过了系统允许的大小")), qPrintable(said));
    }

    // Every command's output on a full disk (/dev/full) or cut by a file-size limit: exit 1
    // with the reason, never 0 with part of the output.
    void standardOutputIsChecked_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("limit"); // 0: /dev/full
        QTest::addColumn<QString>("reason");
        const QString school = test::dataFile(QStringLiteral("school.rve"));
        const QString out = dir_.filePath(QStringLiteral("out.rve"));
        const QString full = QStringLiteral(u"无法写入标准输出：磁盘已满");
        QTest::newRow("dump") << QStringList{QStringLiteral("dump"), school} << 0 << full;
        QTest::newRow("check") << QStringList{QStringLiteral("check"), school} << 0 << full;
        QTest::newRow("schedule") << QStringList{QStringLiteral("schedule"), school, out} << 0
                                  << full;
        QTest::newRow("optimise") << QStringList{QStringLiteral("optimise"), school, out} << 0
                                  << full;
        QTest::newRow("export") << QStringList{QStringLiteral("export"), school,
                                               QStringLiteral("--csv"),
                                               dir_.filePath(QStringLiteral("csv"))}
                                << 0 << full;
        QTest::newRow("dump cut") << QStringList{QStringLiteral("dump"), largeSchoolFile()} << 4096
                                  << QStringLiteral(u"无法写入标准输出：文件超过了系统允许的大小");
    }
    void standardOutputIsChecked()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, limit);
        QFETCH(QString, reason);
        QProcess cli;
        if (limit > 0) {
            cli.setStandardOutputFile(dir_.filePath(QStringLiteral("output.json")));
            cli.setChildProcessModifier([limit] {
                const rlimit size{rlim_t(limit), rlim_t(limit)};
                setrlimit(RLIMIT_FSIZE, &size);
            });
        } else {
            cli.setStandardOutputFile(QStringLiteral("/dev/full"));
        }
        cli.start(QStringLiteral(ORVE_CLI), arguments);
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        const QString said = QString::fromLocal8Bit(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(said.contains(reason), qPrintable(said));
    }

    // A file holding a text the reader gives back otherwise (read from a hand-made file or
    // scheduled from one) is not written: it would open as another school.
    void textsThatWouldReadBackOtherwiseAreNotSaved_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("comma in a name") << QStringLiteral(u"初一,1");
        QTest::newRow("lesson of a course without name") << QStringLiteral(u"  张三");
        QTest::newRow("leading quote") << QStringLiteral(u"\"语文");
        QTest::newRow("space in a group") << QStringLiteral(u"合班课 1");
    }
    void textsThatWouldReadBackOtherwiseAreNotSaved()
    {
        QFETCH(QString, text);
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        if (text.contains(u','))
            ws.school.teachers.append(text);
        else if (text.startsWith(u' '))
            ws.school.masterTimetable.setText({2, 3}, text);
        else if (text.startsWith(u'"'))
            ws.school.plan.setText({1, school::TeacherColumn}, text);
        else
            ws.school.combinedGroups.addChild(0, text, text);
        const QString target = path("unreadable.rve");
        QVERIFY(test::writeBytes(target, "old\r\n"));
        ui.fileNames = QStringList{target};
        QCOMPARE(saveSchoolAs(ws, ui), CommandOutcome::Failed);
        QCOMPARE(test::readBytes(target), QByteArray("old\r\n"));
        QVERIFY2(ui.prompts().constLast().contains(QStringLiteral(u"无法按原样保存“") + text),
                 qPrintable(ui.prompts().constLast()));
    }

    void onlyRegularFilesAreReplacedAndLinksAreFollowed()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);

        ws.session.ioPath = path("pipe");
        QCOMPARE(mkfifo(QFile::encodeName(ws.session.ioPath).constData(), 0600), 0);
        SaveResult result = writeSchoolFile(ws.school, ws.session.ioPath);
        QCOMPARE(result.status, SaveResult::Status::WriteFailed);
        QCOMPARE(result.reason, QStringLiteral(u"不是普通文件（是设备或管道）"));
        struct stat info {};
        QCOMPARE(stat(QFile::encodeName(ws.session.ioPath).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        // Reading a pipe would wait for a writer for ever.
        QByteArray bytes;
        QCOMPARE(loadFile(ws.session.ioPath, bytes).reason, result.reason);

        const QString target = path("target.rve");
        QVERIFY(test::writeBytes(target, "old\r\n"));
        ws.session.ioPath = path("link.rve");
        QVERIFY(QFile::link(target, ws.session.ioPath));
        QVERIFY(writeSchoolFile(ws.school, ws.session.ioPath).written());
        QVERIFY(QFileInfo(ws.session.ioPath).isSymLink());
        QCOMPARE(test::readBytes(target), test::readBytes(test::dataFile(QStringLiteral("school.rve"))));
    }

    void reasonsAreChinese()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.session.ioPath = path("no-such-folder/school.rve");
        QCOMPARE(writeSchoolFile(ws.school, ws.session.ioPath).reason,
                 QStringLiteral(u"文件夹不存在"));
        ws.session.ioPath = dir_.path();
        QCOMPARE(writeSchoolFile(ws.school, ws.session.ioPath).reason,
                 QStringLiteral(u"是一个文件夹"));

        QByteArray bytes;
        QCOMPARE(loadFile(dir_.path(), bytes).reason, QStringLiteral(u"是一个文件夹"));
        QCOMPARE(loadFile(path("missing.rve"), bytes).reason, QStringLiteral(u"文件不存在"));
    }

    // Open keeps the open school and says why.
    void emptyAndForeignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << QStringLiteral(u"文件是空的");
        QTest::newRow("blank lines") << QByteArray("\r\n  \r\n") << QStringLiteral(u"没有任何课程设置记录");
        QTest::newRow("passwd") << QByteArray("root:x:0:0:root:/root:/bin/bash\n"
                                              "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
                                              "help:x:2:2:help:/bin:/usr/bin/help\n")
                                << QStringLiteral(u"没有任何课程设置记录");
    }
    void emptyAndForeignFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = path("foreign.rve");
        QVERIFY(test::writeBytes(file, bytes));
        Workspace ws;
        test::FakeUiPort ui;
        QCOMPARE(openInto(ws, ui, file), CommandOutcome::Failed);
        QCOMPARE(ws.school.classes.size(), 2);
        QVERIFY(ws.session.documentPath.isEmpty());
        QVERIFY2(ui.prompts().last().contains(reason), qPrintable(ui.prompts().last()));
    }

    // A file cut part-way opens only when the user says so after being told the line.
    void aCutLastLineIsQuestioned()
    {
        QByteArray bytes = test::readBytes(test::dataFile(QStringLiteral("school.rve")));
        bytes.chop(4);
        const int lines = int(bytes.count('\n')) + 1;
        const QString file = path("cut.rve");
        QVERIFY(test::writeBytes(file, bytes));

        Workspace ws;
        test::FakeUiPort ui;
        ui.answers = {MessageAnswer::No};
        QCOMPARE(openInto(ws, ui, file), CommandOutcome::Cancelled);
        QCOMPARE(ui.messages.last().buttons, MessageButtons::YesNo);
        QVERIFY(ui.prompts().last().contains(QStringLiteral(u"第 %1 行").arg(lines)));
        QVERIFY(ws.session.documentPath.isEmpty());
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), QStringLiteral(u"语文  张三"));
        ws.school.masterTimetable.setText({2, 1}, QString());

        // The cleared cell is a change, not to be saved; then the damaged line is accepted. What
        // was read opens as a new school, so Save asks for a name instead of writing over it.
        ui.answers = {MessageAnswer::Discard, MessageAnswer::Yes};
        ui.fileNames = QStringList{file};
        QCOMPARE(openSchool(ws, ui), CommandOutcome::Done);
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), QStringLiteral(u"语文  张三"));
        QVERIFY(ws.session.documentPath.isEmpty());
        QVERIFY(ws.session.modified);
        QCOMPARE(saveSchool(ws, ui), CommandOutcome::Cancelled); // the dialog was cancelled
        QCOMPARE(ui.fileDialogs.last().title, QStringLiteral(u"新建课程设置文件 "));
        QCOMPARE(test::readBytes(file), bytes);
    }

    // Counts are checked as they are read: the line that goes too far is named, and nothing
    // the size of the counts' product is ever built.
    void hugeCountsAreRefusedAtTheirLine_data()
    {
        QTest::addColumn<int>("classes");
        QTest::addColumn<int>("courses");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("5000 x 5000") << 5000 << 5000 << 2001 << QStringLiteral(u"班级太多");
        QTest::newRow("50000 x 50000") << 50000 << 50000 << 2001 << QStringLiteral(u"班级太多");
        QTest::newRow("plan rows") << 1928 << 17 << 1928 + 17 << QStringLiteral(u"教学计划的行数上限");
    }
    void hugeCountsAreRefusedAtTheirLine()
    {
        QFETCH(int, classes);
        QFETCH(int, courses);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const QString file = path("huge.rve");
        QVERIFY(test::writeBytes(file, countsFile(classes, courses)));
        Workspace ws;
        const ReadError error = openSchoolFile(ws, file);
        QCOMPARE(error.line, line);
        QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
        QVERIFY(ws.school.classes.isEmpty());
    }

    // What the reader refuses, the name commands and Save refuse too.
    void theNameCommandsAndSaveKeepToTheReadersLimits()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        for (int k = 0; k < 17; ++k)
            ws.school.courses.append(QStringLiteral("k%1").arg(k));
        for (int i = 0; i < 1927; ++i)
            ws.school.classes.append(QStringLiteral("c%1").arg(i));
        ws.editor.names.entry = QStringLiteral(u"新班");
        school::addName(ws, ui);
        QCOMPARE(ws.school.classes.size(), 1927);
        QVERIFY(ui.prompts().last().contains(QStringLiteral(u"教学计划的行数上限")));

        ws.school.classes.append(QStringLiteral(u"新班")); // as no command would
        ws.session.ioPath = path("too-large.rve");
        const SaveResult result = writeSchoolFile(ws.school, ws.session.ioPath);
        QCOMPARE(result.status, SaveResult::Status::TooLarge);
        QVERIFY(!QFile::exists(ws.session.ioPath));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
