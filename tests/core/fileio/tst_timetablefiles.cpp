// The timetables as CSV tables and HTML pages: the byte-order mark, the header row, a known
// cell, quoting, the joined day headers; and the export command with its folder, its question
// before replacing files and its messages.
#include "fakeuiport.h"
#include "timetablegrid.h"

#include "fileio/exportcommands.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace orve;
using fileio::TableFormat;

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

} // namespace

class TimetableFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void csvTables();
    void htmlPages();
    void exportIntoAFolder();
};

void TimetableFilesTest::csvTables()
{
    Workspace ws;
    fillSchool(ws);
    const auto files = fileio::timetableFiles(ws.school, 2, {}, TableFormat::Csv);
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
    const auto files = fileio::timetableFiles(ws.school, 2, {true, true, false}, TableFormat::Html);
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

void TimetableFilesTest::exportIntoAFolder()
{
    QTemporaryDir dir;
    Workspace ws;
    fillSchool(ws);
    test::FakeUiPort ui;
    // Cancelled: nothing written.
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, TableFormat::Csv),
             fileio::CommandOutcome::Cancelled);
    QVERIFY(QDir(dir.path()).isEmpty());

    ui.fileNames = {dir.path()};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, TableFormat::Csv), fileio::CommandOutcome::Done);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"班级课程表.csv")))
                .contains(QStringLiteral(u"语文  王芳")));
    QVERIFY(ui.prompts().constLast().startsWith(QStringLiteral(u"课程表已导出到文件夹")));

    // Files of the same names are replaced only when the user says so.
    ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"数学  王芳"));
    ui.fileNames = {dir.path()};
    ui.answers = {MessageAnswer::No};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, TableFormat::Csv),
             fileio::CommandOutcome::Cancelled);
    QVERIFY(ui.prompts().constLast().contains(QStringLiteral(u"总课表.csv")));
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"总课表.csv")))
                .contains(QStringLiteral(u"语文  王芳")));
    ui.fileNames = {dir.path()};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, TableFormat::Csv), fileio::CommandOutcome::Done);
    QVERIFY(fileText(dir.filePath(QStringLiteral(u"总课表.csv")))
                .contains(QStringLiteral(u"数学  王芳")));

    // A folder that is not there: the user is told which file and why.
    ui.fileNames = {dir.filePath(QStringLiteral("missing"))};
    QCOMPARE(fileio::exportTimetableFiles(ws, ui, TableFormat::Html),
             fileio::CommandOutcome::Failed);
    QVERIFY2(ui.prompts().constLast().contains(QStringLiteral(u"总课表.html”没有导出")),
             qPrintable(ui.prompts().constLast()));
}

QTEST_GUILESS_MAIN(TimetableFilesTest)
#include "tst_timetablefiles.moc"
