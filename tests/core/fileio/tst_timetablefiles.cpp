// The timetables as CSV tables and HTML pages: the byte-order mark, the header row, a known
// cell, quoting, the joined day headers; the export command with its folder, its question
// before replacing files and its messages; and the set of files replaced whole or not at all.
#include "fakeuiport.h"
#include "filesizelimit.h"
#include "timetablegrid.h"

#include "fileio/exportcommands.h"
#include "model/fixedlessonentry.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace orve;

namespace {

void fillSchool(Workspace& ws)
{
    ws.school.classes = {QStringLiteral(u"初一(1)"), QStringLiteral(u"初一<2>")};
    ws.school.teachers = {QStringLiteral(u"王芳")};
    ws.school.title = QStringLiteral(u"实验中学");
    ws.school.week.days = QStringLiteral("5");
    ws.session.periodsPerDay = 2;
    test::layOutTimetable(ws.school.masterTimetable, ws.school.classes, 5, 2);
    ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文  王芳"));
    ws.school.masterTimetable.setText({3, 1}, QStringLiteral(u"=SUM(A1),\"x\""));
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeText(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class TimetableFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void csvTables();
    void htmlPages();
    void aDoublePeriodSpansTwoRows();
    void exportIntoAFolder();
    void aSetIsReplacedWholeOrNotAtAll();
    void foldersAreMadeOrTheReasonIsTold();
};

void TimetableFilesTest::csvTables()
{
    Workspace ws;
    fillSchool(ws);
    const auto files = fileio::timetableFiles(ws.school, 2, {}, fileio::csvTables());
    QCOMPARE(files.size(), std::size_t(3));
    QCOMPARE(files[0].name, QStringLiteral(u"总课表.csv"));
    QCOMPARE(files[1].name, QStringLiteral(u"班级课程表.csv"));
    QCOMPARE(files[2].name, QStringLiteral(u"教师任课表.csv"));
    for (const auto& file : files)
        QVERIFY(file.bytes.startsWith("\xEF\xBB\xBF"));

    const QStringList master =
        QString::fromUtf8(files[0].bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(master.at(0), QStringLiteral(u"全校课程表"));
    // The joined day header names every column of its day; the corner is empty.
    QVERIFY(master.at(1).startsWith(QStringLiteral(u",星期一,星期一,星期二,星期二,")));
    QVERIFY(master.at(2).startsWith(QStringLiteral(",1,2,1,2")));
    QCOMPARE(master.at(3), QStringLiteral(u"初一(1),,,语文  王芳,,,,,,,"));
    // A field with a comma or a quote is quoted; one that starts like a formula stays text.
    QCOMPARE(master.at(4), QStringLiteral(u"初一<2>,\"'=SUM(A1),\"\"x\"\"\",,,,,,,,,"));

    const QStringList classes =
        QString::fromUtf8(files[1].bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(classes.mid(0, 4),
             QStringList({QStringLiteral(u"班级课程表(初一(1))"),
                          QStringLiteral(u",星期一,星期二,星期三,星期四,星期五"),
                          QStringLiteral(u"一,,语文  王芳,,,"), QStringLiteral(u"二,,,,,")}));
    QCOMPARE(classes.at(4), QString()); // a blank line before the next class
    QCOMPARE(classes.at(5), QStringLiteral(u"班级课程表(初一<2>)"));
    QVERIFY(QString::fromUtf8(files[2].bytes).contains(QStringLiteral(u"一,,语文  初一(1),,,")));
}

void TimetableFilesTest::htmlPages()
{
    Workspace ws;
    fillSchool(ws);
    const auto files =
        fileio::timetableFiles(ws.school, 2, {true, true, false}, fileio::htmlTables());
    QCOMPARE(files.size(), std::size_t(2));
    QCOMPARE(files[1].name, QStringLiteral(u"班级课程表.html"));
    const QString master = QString::fromUtf8(files[0].bytes);
    QVERIFY(master.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(master.contains(QStringLiteral(u"<title>实验中学 全校课程表</title>")));
    QVERIFY(master.contains(
        QStringLiteral(u"<tr><th rowspan=\"2\"></th><th colspan=\"2\">星期一</th>")));
    QVERIFY(master.contains(QStringLiteral(u"<td>语文  王芳</td>")));
    QVERIFY(!master.contains(QStringLiteral("<nav>")));

    const QString classes = QString::fromUtf8(files[1].bytes);
    QVERIFY(classes.contains(QStringLiteral(u"<a href=\"#t1\">班级课程表(初一(1))</a>")));
    QVERIFY(classes.contains(QStringLiteral(u"<h2>班级课程表(初一&lt;2&gt;)</h2>")));
    QVERIFY(classes.contains(QStringLiteral(u"<tr><th>一</th><td></td><td>语文  王芳</td>")));
    QVERIFY(!classes.contains(QStringLiteral(u"初一<2>")));
}

// A double period is one joined cell of the class's and the teacher's sheets: in HTML one cell
// spanning the rows of its two periods.
void TimetableFilesTest::aDoublePeriodSpansTwoRows()
{
    Workspace ws;
    fillSchool(ws);
    ws.school.courses = {QStringLiteral(u"语文")};
    school::rebuildPlanSkeleton(ws.school);
    ws.school.plan.setText({school::planRow(0, 0, 1), school::PeriodsColumn}, QStringLiteral("2"));
    ws.school.rules.doublePeriods = {{model::AllClassesText, QStringLiteral(u"语文"), 1}};
    ws.school.masterTimetable.setText({2, 4}, QStringLiteral(u"语文  王芳")); // with {2, 3}
    const auto files =
        fileio::timetableFiles(ws.school, 2, {false, true, true}, fileio::htmlTables());
    QCOMPARE(files.size(), std::size_t(2));
    const QString classes = QString::fromUtf8(files[0].bytes);
    QVERIFY(classes.contains(QStringLiteral(u"<td></td><td rowspan=\"2\">语文  王芳</td><td>")));
    QVERIFY(classes.contains(QStringLiteral(u"<tr><th>二</th><td></td><td></td><td></td>")));
    QVERIFY(QString::fromUtf8(files[1].bytes)
                .contains(QStringLiteral(u"<td rowspan=\"2\">语文  初一(1)</td>")));
}

void TimetableFilesTest::exportIntoAFolder()
{
    QTemporaryDir dir;
    Workspace ws;
    fillSchool(ws);
    test::FakeUiPort ui;
    // Cancelled: nothing written.
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, fileio::csvTables()),
             fileio::CommandOutcome::Cancelled);
    QVERIFY(QDir(dir.path()).isEmpty());

    ui.fileNames = {dir.path()};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, fileio::csvTables()),
             fileio::CommandOutcome::Done);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"班级课程表.csv")))
                .contains(QStringLiteral(u"语文  王芳")));
    QVERIFY(ui.prompts().constLast().startsWith(QStringLiteral(u"课程表已导出到文件夹")));

    // Files of the same names are replaced only when the user says so.
    ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"数学  王芳"));
    ui.fileNames = {dir.path()};
    ui.answers = {MessageAnswer::No};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, fileio::csvTables()),
             fileio::CommandOutcome::Cancelled);
    QVERIFY(ui.prompts().constLast().contains(QStringLiteral(u"总课表.csv")));
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"总课表.csv")))
                .contains(QStringLiteral(u"语文  王芳")));
    ui.fileNames = {dir.path()};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, fileio::csvTables()),
             fileio::CommandOutcome::Done);
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"总课表.csv")))
                .contains(QStringLiteral(u"数学  王芳")));

    // A folder that cannot be used: the user is told which and why.
    ui.fileNames = {dir.filePath(QStringLiteral(u"总课表.csv"))};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, fileio::htmlTables()),
             fileio::CommandOutcome::Failed);
    QVERIFY2(
        ui.prompts().constLast().contains(QStringLiteral(u"总课表.csv”：这是一个文件，不是文件夹")),
        qPrintable(ui.prompts().constLast()));
}

void TimetableFilesTest::aSetIsReplacedWholeOrNotAtAll()
{
    QTemporaryDir dir;
    const QDir folder(dir.filePath(QStringLiteral("export")));
    QVERIFY(QDir().mkpath(folder.path()));
    const QStringList names{QStringLiteral("a.csv"), QStringLiteral("b.csv"),
                            QStringLiteral("c.csv")};
    for (const QString& name : names)
        writeText(folder.filePath(name), "old " + name.toUtf8());
    // A link placed where the first file goes: the link is replaced, not what it points to.
    writeText(dir.filePath(QStringLiteral("victim.txt")), "victim");
    QVERIFY(QFile::remove(folder.filePath(names[0])));
    QVERIFY(QFile::link(QStringLiteral("../victim.txt"), folder.filePath(names[0])));
    const auto entries = [&folder] {
        return folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    };

    // The second file cannot be written in full: nothing of the new set stays.
    const std::vector<fileio::TimetableFile> set{
        {names[0], "new a"}, {names[1], QByteArray(8192, 'b')}, {names[2], "new c"}};
    QString failure;
    {
        test::FileSizeLimit limit(4096);
        failure = fileio::writeTimetableFiles(folder.path(), set);
    }
    QCOMPARE(entries(), names);
    QVERIFY(QFileInfo(folder.filePath(names[0])).isSymLink());
    QCOMPARE(fileText(dir.filePath(QStringLiteral("victim.txt"))), QStringLiteral("victim"));
    QCOMPARE(fileText(folder.filePath(names[1])), QStringLiteral("old b.csv"));
    QCOMPARE(fileText(folder.filePath(names[2])), QStringLiteral("old c.csv"));
    QVERIFY2(failure.contains(QStringLiteral(u"b.csv”没有导出：文件超过了系统允许的大小")) &&
                 failure.contains(QStringLiteral(u"文件夹中原有的文件都没有改变")),
             qPrintable(failure));

    // All of it: the whole set replaced, the link by a file, its target untouched.
    QCOMPARE(fileio::writeTimetableFiles(folder.path(), set), QString());
    QCOMPARE(entries(), names);
    QVERIFY(!QFileInfo(folder.filePath(names[0])).isSymLink());
    QCOMPARE(fileText(folder.filePath(names[0])), QStringLiteral("new a"));
    QCOMPARE(fileText(folder.filePath(names[1])).size(), 8192);
    QCOMPARE(fileText(folder.filePath(names[2])), QStringLiteral("new c"));
    QCOMPARE(fileText(dir.filePath(QStringLiteral("victim.txt"))), QStringLiteral("victim"));

    // A folder where a file goes is refused before anything is written.
    QVERIFY(folder.mkdir(names[2] + QStringLiteral(".d")));
    const std::vector<fileio::TimetableFile> clash{{names[0], "x"},
                                                   {names[2] + QStringLiteral(".d"), "y"}};
    QVERIFY(fileio::writeTimetableFiles(folder.path(), clash)
                .contains(QStringLiteral(u"同名的是一个文件夹")));
    QCOMPARE(fileText(folder.filePath(names[0])), QStringLiteral("new a"));

    // A file its writer could not make (no bytes) fails the set before anything is written.
    const std::vector<fileio::TimetableFile> unmade{{names[0], "y"}, {names[1], QByteArray()}};
    QVERIFY(fileio::writeTimetableFiles(folder.path(), unmade).contains(names[1]));
    QCOMPARE(fileText(folder.filePath(names[0])), QStringLiteral("new a"));
}

void TimetableFilesTest::foldersAreMadeOrTheReasonIsTold()
{
    QTemporaryDir dir;
    const std::vector<fileio::TimetableFile> set{{QStringLiteral("a.csv"), "a"}};
    // Missing folders are made, those above them too.
    const QString nested = dir.filePath(QStringLiteral("one/two"));
    QCOMPARE(fileio::writeTimetableFiles(nested, set), QString());
    QCOMPARE(fileText(nested + QStringLiteral("/a.csv")), QStringLiteral("a"));
    // A file in the way, its name shown with the hidden characters it holds.
    const QString file = dir.filePath(QStringLiteral(u"课表\u202Etxt.csv"));
    writeText(file, "x");
    QString told = fileio::writeTimetableFiles(file, set);
    QVERIFY2(told.contains(QStringLiteral(u"课表<U+202E>txt.csv”：这是一个文件，不是文件夹")),
             qPrintable(told));
    told = fileio::writeTimetableFiles(file + QStringLiteral("/below"), set);
    QVERIFY2(told.contains(QStringLiteral(u"路径中的")) &&
                 told.contains(QStringLiteral(u"是一个文件，不是文件夹")),
             qPrintable(told));
}

QTEST_GUILESS_MAIN(TimetableFilesTest)
#include "tst_timetablefiles.moc"
