// FET files: examples of FET's own (Debian's fet-data) read into schools with their reports;
// a school written as a FET file that fet-cl reads and solves, keeping its fixed lessons and
// free periods, and that reads back as the same school.
#include "fakeuiport.h"

#include "fet/fetcommands.h"
#include "fet/fetexport.h"
#include "fet/fetimport.h"
#include "fileio/filecommands.h"
#include "fileio/savedata.h"
#include "import/sheetimport.h"
#include "model/combinedlesson.h"
#include "optimiser/optimisecommand.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "table/csvtable.h"
#include "workspace.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace orve;
using namespace orve::exchange;

namespace {

const QString Examples = QStringLiteral("/usr/share/doc/fet-data/examples/");

QString planText(const model::School& school, QStringView className, QStringView course, int column)
{
    for (int row = 1; row < school.plan.rowCount(); ++row)
        if (school.plan.text({row, school::ClassColumn}) == className &&
            school.plan.text({row, school::CourseColumn}) == course)
            return school.plan.text({row, column});
    return QStringLiteral("(no row)");
}

bool reportHas(const FetImport& imported, QStringView words)
{
    for (const QString& line : imported.report)
        if (line.contains(words))
            return true;
    return false;
}

// Two classes in a week of 5 days of 3 + 2 periods: a combined PE lesson, a main course, a
// fixed lesson and a free period.
void smallSchool(Workspace& ws)
{
    test::FakeUiPort ui;
    school::startUp(ws, ui);
    ws.school.title = QStringLiteral(u"实验中学");
    const QString plan = QStringLiteral(u"班级,课程,任课教师,周课时,主课,合班\n"
                                        u"初一(1),语文,王芳,5,主,\n"
                                        u"初一(1),体育,张三,2,,1\n"
                                        u"初一(2),语文,李四,5,主,\n"
                                        u"初一(2),体育,张三,2,,1\n"
                                        u"初一(2),班会,李四,1,,\n");
    applyImport(ws, previewImport(ws.school, parseCsv(plan).table));
    ws.school.fixedLessons = {QStringLiteral(u"初一(2) 班会 5 5"),
                              QStringLiteral(u"初一(1) 空课 1 1")};
    ws.school.rules.teacherUnavailable = {{QStringLiteral(u"王芳"), 1, 2},
                                          {QStringLiteral(u"王芳"), 2, 2}};
    ws.school.rules.teacherDailyLimits = {{QStringLiteral(u"李四"), 2}};
}

// FET's example scheduled and optimised with seed 1, as orve-cli schedule --optimise does.
optimiser::OptimiseOutcome optimisedExample(const QString& path)
{
    FetImport imported = importFetFile(Examples + path);
    if (!imported.ok())
        qFatal("%s", qPrintable(imported.error));
    Workspace ws;
    fileio::takeOpenedSchool(ws, std::move(imported.opened));
    test::FakeUiPort ui;
    scheduler::SeededRandom random(1);
    scheduler::scheduleTimetable(ws, ui, random);
    optimiser::OptimiserOptions options;
    options.seed = 1;
    return optimiser::removeDoubleBookings(ws, options);
}

} // namespace

class FetTest : public QObject
{
    Q_OBJECT

private slots:
    void importsFetExamples();
    void refusesWeeksItCannotHold();
    void exportReadsBackAsTheSameSchool();
    void fetSolvesTheExport();
    void smallExamplesEndAtTheirBounds();
    void fileMenuCommandsOnFetFiles();
};

void FetTest::importsFetExamples()
{
    if (!QDir(Examples).exists())
        QSKIP("FET's examples (Debian package fet-data) are not installed");
    const FetImport german = importFetFile(
        Examples + QStringLiteral("FET-6-official/Germany/secondary-school-1/"
                                  "using_subactivities_constraints/German_subact_constr.fet"));
    QVERIFY2(german.ok(), qPrintable(german.error));
    const model::School& school = german.opened.school;
    QCOMPARE(school.week.days, QStringLiteral("5"));
    QCOMPARE(school.week.periodsPerDay(), 6);
    QCOMPARE(school.classes.size(), 42); // the groups 5a … of the years 5 …
    QCOMPARE(school.classes.front(), QStringLiteral("5a"));
    // Four activities of one period make one plan row of four periods.
    QCOMPARE(planText(school, u"5a", u"MA", school::TeacherColumn), QStringLiteral("Tanja"));
    QCOMPARE(planText(school, u"5a", u"MA", school::PeriodsColumn), QStringLiteral("4"));
    // The teachers' not-available times become the school's rules and are saved with it.
    QVERIFY(!school.rules.teacherUnavailable.empty());
    QVERIFY(!reportHas(german, u"教师不排课时间"));
    QVERIFY(reportHas(german, u"ConstraintMinDaysBetweenActivities 161 条"));
    QVERIFY(fileio::writeSchoolFile(school, QDir::temp().filePath(QStringLiteral("fet.rve")))
                .written());

    // Names the course-settings file cannot hold are changed and told; subgroups' lessons
    // are left out and told.
    const FetImport hopwood = importFetFile(
        Examples + QStringLiteral("FET-5-official/United-Kingdom/Hopwood/Hopwood.fet"));
    QVERIFY2(hopwood.ok(), qPrintable(hopwood.error));
    QVERIFY(hopwood.opened.school.classes.contains(QStringLiteral("Basic_Eve_A")));
    QVERIFY(reportHas(hopwood, u"班级“Basic Eve A”改为“Basic_Eve_A”"));
    QVERIFY(reportHas(hopwood, u"只有班级的一部分学生上"));
    QCOMPARE(hopwood.opened.school.week.evening, QStringLiteral("1")); // an hour after 18:00

    const FetImport vietnam = importFetFile(
        Examples + QStringLiteral("FET-5-official/Vietnam/1-Le-Qui-Don_Lam-Ha/Khoi-sang.fet"));
    QVERIFY2(vietnam.ok(), qPrintable(vietnam.error));
    QVERIFY(vietnam.opened.school.courses.contains(QStringLiteral("Van")));
    QVERIFY(reportHas(vietnam, u"课程“Văn”改为“Van”"));
}

void FetTest::refusesWeeksItCannotHold()
{
    const QByteArray oneDay = QByteArrayLiteral(
        "<?xml version=\"1.0\"?><fet version=\"6.0.0\"><Days_List><Number_of_Days>1"
        "</Number_of_Days><Day><Name>Mo</Name></Day></Days_List></fet>");
    QCOMPARE(importFet(oneDay).error,
             QStringLiteral(u"FET 文件的一周有 1 天，本程序每周 5 到 7 天，无法导入。"));
    QVERIFY(importFet(QByteArrayLiteral("<fet><Days_List>"))
                .error.startsWith(QStringLiteral(u"不是可以读取的 FET 文件")));
    // Nesting no FET file has is refused before it uses up the stack.
    QVERIFY(!importFet("<fet>" + QByteArray(100000, 'x').replace('x', "<a>")).ok());
}

void FetTest::exportReadsBackAsTheSameSchool()
{
    Workspace ws;
    smallSchool(ws);
    const FetExport exported = exportFet(ws.school);
    QVERIFY(exported.report.isEmpty());
    const FetImport imported = importFet(exported.bytes);
    QVERIFY2(imported.ok(), qPrintable(imported.error));
    for (qsizetype size = 0; size < exported.bytes.size(); size += 89)
        QVERIFY(!importFet(exported.bytes.left(size)).ok());
    const model::School& back = imported.opened.school;
    QCOMPARE(back.title, ws.school.title);
    QCOMPARE(back.week.morning, ws.school.week.morning);
    QCOMPARE(back.week.afternoon, ws.school.week.afternoon);
    QCOMPARE(back.week.days, ws.school.week.days);
    QCOMPARE(back.classes, ws.school.classes);
    QCOMPARE(back.teachers, ws.school.teachers);
    QCOMPARE(back.courses, ws.school.courses);
    QCOMPARE(back.fixedLessons, ws.school.fixedLessons);
    QVERIFY(back.rules == ws.school.rules);
    QCOMPARE(back.combinedLessons, ws.school.combinedLessons);
    QVERIFY(back.combinedGroups == ws.school.combinedGroups);
    for (int row = 0; row < ws.school.plan.rowCount(); ++row)
        for (int column = 0; column < school::PlanColumnCount; ++column)
            QCOMPARE(back.plan.text({row, column}), ws.school.plan.text({row, column}));
}

void FetTest::fetSolvesTheExport()
{
    const QString fetCl = QStandardPaths::findExecutable(QStringLiteral("fet-cl"));
    if (fetCl.isEmpty())
        QSKIP("fet-cl (Debian package fet) is not installed");
    Workspace ws;
    smallSchool(ws);
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("school.fet"));
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exportFet(ws.school).bytes) > 0);
    file.close();

    QProcess fet;
    fet.start(fetCl, {QStringLiteral("--inputfile=") + input,
                      QStringLiteral("--outputdir=") + folder.path(),
                      QStringLiteral("--timelimitseconds=20")});
    QVERIFY(fet.waitForFinished(60000));
    const QString output = QString::fromUtf8(fet.readAll());
    QVERIFY2(fet.exitStatus() == QProcess::NormalExit && fet.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Simulation successful")), qPrintable(output));

    // FET's timetable, every lesson locked where FET put it, read back as fixed lessons.
    const FetImport solved = importFetFile(
        folder.filePath(QStringLiteral("timetables/school/school_data_and_timetable.fet")));
    QVERIFY2(solved.ok(), qPrintable(solved.error));
    const QStringList lessons = solved.opened.school.fixedLessons;
    QCOMPARE(lessons.size(), 5 + 2 + 5 + 2 + 1 + 1);
    QVERIFY(lessons.contains(QStringLiteral(u"初一(2) 班会 5 5")));
    QVERIFY(lessons.contains(QStringLiteral(u"初一(1) 空课 1 1")));
    // FET kept 王芳 out of the periods the school's rules keep her out of.
    QVERIFY(!lessons.contains(QStringLiteral(u"初一(1) 语文 1 2")));
    QVERIFY(!lessons.contains(QStringLiteral(u"初一(1) 语文 2 2")));
    for (const QString& lesson : lessons)
        QVERIFY2(!lesson.startsWith(QStringLiteral(u"初一(1) ")) ||
                     !lesson.endsWith(QStringLiteral(" 1 1")) || lesson.contains(u"空课"),
                 qPrintable(lesson));
}

// Two schools the search used to leave above their bounds: teachers mostly unavailable kept it
// around one double booking for good until it learned to start again near its best; groups
// whose classes were each free in a different period stayed out until the placement learned
// to bring those periods together.
void FetTest::smallExamplesEndAtTheirBounds()
{
    if (!QDir(Examples).exists())
        QSKIP("FET's examples (Debian package fet-data) are not installed");
    const optimiser::OptimiseOutcome brazil =
        optimisedExample(QStringLiteral("FET-5-official/Brazil/2/EEBLJ-Noturno.fet"));
    QCOMPARE(brazil.report.doubleBookingLowerBound, 0);
    QCOMPARE(brazil.after.double_bookings, 0);
    // Groups whose classes are free in different periods: the second needs exchanges that
    // occupy a free member class on the way.
    for (const char* path : {"FET-5-official/Namibia/by-Bobby/set-2/may-take-hours/CONCORDIA.fet",
                             "FET-5-official/Namibia/by-Bobby/set-7-2016/ConcordiaY2016T2a.fet"}) {
        const optimiser::OptimiseOutcome namibia = optimisedExample(QString::fromLatin1(path));
        QCOMPARE(namibia.report.unplacedLowerBound, 0);
        QCOMPARE(namibia.after.unplaced, 0);
    }
}

// 导出 FET 文件... offers "<title>.fet" and tells a failure as one; 导入 FET 文件... asks about
// unsaved work and leaves a new school without a file, marked changed.
void FetTest::fileMenuCommandsOnFetFiles()
{
    Workspace ws;
    smallSchool(ws);
    QTemporaryDir folder;
    test::FakeUiPort ui;
    ui.fileNames = {folder.filePath(QStringLiteral("no/such/folder/a.fet")),
                    folder.filePath(QStringLiteral("school"))};
    QCOMPARE(exportFetSchool(ws, ui), fileio::CommandOutcome::Failed);
    QCOMPARE(ui.fileDialogs.at(0).suggestedName, QStringLiteral(u"实验中学.fet"));
    QVERIFY(ui.messages.at(0).prompt.contains(QStringLiteral(u"没有导出")));
    QCOMPARE(exportFetSchool(ws, ui), fileio::CommandOutcome::Done);
    const QString written = folder.filePath(QStringLiteral("school.fet"));
    QVERIFY(ui.messages.at(1).prompt.startsWith(fetExportHeading(written, ws.school)));

    ws.setDocumentPath(folder.filePath(QStringLiteral("school.rve")));
    ws.school.classes.append(QStringLiteral(u"初三(9)"));
    ws.markUnsaved();
    ui.answers = {MessageAnswer::Cancel, MessageAnswer::Discard};
    ui.fileNames = {written};
    QCOMPARE(importFetSchool(ws, ui), fileio::CommandOutcome::Cancelled);
    QCOMPARE(importFetSchool(ws, ui), fileio::CommandOutcome::Done);
    QCOMPARE(ws.school.classes, (QStringList{QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)")}));
    QVERIFY(ws.session.documentPath.isEmpty());
    QVERIFY(ws.session.modified);
    QVERIFY(ui.messages.last().prompt.startsWith(fetImportHeading(written, ws.school)));
}

QTEST_GUILESS_MAIN(FetTest)
#include "tst_fet.moc"
