// The print commands of the open school: the print kind first, the print window shown while
// the master timetable's redrawing is off, the school's title and the days of its days field;
// the class and teacher timetables one sheet to a page; the timetables an export holds.
#include "callrecorder.h"
#include "fakeuiport.h"
#include "timetablegrid.h"

#include "print/pagination.h"
#include "print/printcommand.h"
#include "print/timetablebook.h"
#include "print/weekprint.h"
#include "views/weektimetable.h"
#include "workspace.h"

#include <QtTest>

using namespace orve;

namespace {

// The print window's side of the commands: what it was asked, and the state of the school at
// each request.
class RecordingWindow : public print::PrintWindowPort
{
public:
    explicit RecordingWindow(const Workspace& ws) : ws_(ws) {}

    print::SheetCalls& startPreparation() override
    {
        events.append(QStringLiteral("start kind %1").arg(int(ws_.session.printKind)));
        return sheet;
    }
    void showWindow() override
    {
        events.append(QStringLiteral("show after %1 calls, redraw %2")
                          .arg(sheet.calls.size())
                          .arg(int(ws_.school.masterTimetable.redraw())));
    }
    void showSheets(std::vector<print::ReportSheet> sheets, const QString& title) override
    {
        events.append(QStringLiteral("sheets %1").arg(sheets.size()));
        shown = std::move(sheets);
        shownTitle = title;
    }

    test::CallRecorder sheet;
    QStringList events;
    std::vector<print::ReportSheet> shown;
    QString shownTitle;

private:
    const Workspace& ws_;
};

// Two classes of a seven-day week of two periods, with lessons of 王芳 and 李强.
void fillSchool(Workspace& ws)
{
    ws.school.classes = test::classNames(2);
    ws.school.teachers = {QStringLiteral(u"王芳"), QStringLiteral(u"李强")};
    ws.school.week.days = QStringLiteral("7");
    ws.session.periodsPerDay = 2;
    test::layOutTimetable(ws.school.masterTimetable, ws.school.classes, 7, 2);
    ws.school.masterTimetable.setText({2, 1}, QStringLiteral(u"语文  王芳"));
    ws.school.masterTimetable.setText({3, 14}, QStringLiteral(u"数学  李强"));
}

} // namespace

class PrintCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void masterTimetableInOrder();
    void daysAndTitleFromTheSchool();
    void classAndTeacherTimetables();
    void nothingToPrint();
    void weekSheetFillsOnePage();
    void bookOfTheSelectedKinds();
};

void PrintCommandTest::masterTimetableInOrder()
{
    Workspace ws;
    fillSchool(ws);
    ws.school.title = QStringLiteral(u"2024学年第一学期课程表");
    ws.session.printKind = PrintKind::ClassTimetable;
    RecordingWindow window(ws);
    test::FakeUiPort ui;
    print::printTimetable(ws, window, ui);

    QCOMPARE(ws.session.printKind, PrintKind::MasterTimetable);
    // The kind is set before the window is touched; the window is shown after the page tabs
    // are hidden and before the copy, with the timetable's redrawing off.
    QCOMPARE(window.events, QStringList({QStringLiteral("start kind 1"),
                                         QStringLiteral("show after 1 calls, redraw 0")}));
    const QStringList& calls = window.sheet.calls;
    QCOMPARE(calls.constFirst(), QStringLiteral("pageLabel 0"));
    QCOMPARE(calls.at(1), QStringLiteral("rows 4"));
    QCOMPARE(calls.constLast(), QStringLiteral("redrawAll"));
    QVERIFY(calls.contains(QStringLiteral(u"title \"2024学年第一学期课程表\"")));
    QVERIFY(calls.contains(QStringLiteral(u"text 1,2 \"语文  王芳\"")));
    QVERIFY(ws.school.masterTimetable.redraw());
    QVERIFY(ui.processedEvents > 0);
}

void PrintCommandTest::daysAndTitleFromTheSchool()
{
    Workspace ws;
    fillSchool(ws);
    test::FakeUiPort ui;
    const auto printed = [&] {
        RecordingWindow window(ws);
        print::printTimetable(ws, window, ui);
        return window.sheet.calls;
    };
    // The days field read as a number and rounded half to even: 6.5 is six days.
    ws.school.week.days = QStringLiteral("6.5");
    QStringList calls = printed();
    QVERIFY(calls.contains(QStringLiteral(u"join 11,0 12,0")));
    QVERIFY(!calls.contains(QStringLiteral(u"join 13,0 14,0")));
    QVERIFY(calls.contains(QStringLiteral(u"title \"\""))); // an empty title stays empty

    ws.school.week.days = QStringLiteral("7");
    ws.school.title = QStringLiteral(u" 初一 课程表 ");
    calls = printed();
    QVERIFY(calls.contains(QStringLiteral(u"join 13,0 14,0")));
    QVERIFY(calls.contains(QStringLiteral(u"text 13,0 \"星期日\"")));
    QVERIFY(calls.contains(QStringLiteral(u"title \" 初一 课程表 \"")));
}

void PrintCommandTest::classAndTeacherTimetables()
{
    Workspace ws;
    fillSchool(ws);
    ws.school.title = QStringLiteral(u"实验中学");
    test::FakeUiPort ui;
    RecordingWindow window(ws);

    print::printClassTimetables(ws, window, ui, ws.school.classes);
    QCOMPARE(ws.session.printKind, PrintKind::ClassTimetable);
    QCOMPARE(window.events, QStringList{QStringLiteral("sheets 2")});
    QCOMPARE(window.shownTitle, QStringLiteral(u"实验中学"));
    QCOMPARE(window.shown[0].heading(), QStringLiteral(u"班级课程表(1班)"));
    QCOMPARE(window.shown[1].heading(), QStringLiteral(u"班级课程表(2班)"));
    QCOMPARE(window.shown[0].cell({1, 1}).text, QStringLiteral(u"语文  王芳"));
    QCOMPARE(window.shown[1].cell({2, 7}).text, QStringLiteral(u"数学  李强"));
    QCOMPARE(window.shown[0].pageFit(), print::PageFit::OnePage);

    print::printTeacherTimetables(ws, window, ui, {QStringLiteral(u"李强")});
    QCOMPARE(ws.session.printKind, PrintKind::TeacherTimetable);
    QCOMPARE(window.shown.size(), std::size_t(1));
    QCOMPARE(window.shown[0].heading(), QStringLiteral(u"教师任课表(李强)"));
    QCOMPARE(window.shown[0].cell({2, 7}).text, QStringLiteral(u"数学  2班"));
    QCOMPARE(window.shown[0].cell({1, 1}).text, QString());
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(print::printKindName(PrintKind::TeacherTimetable), QStringLiteral(u"教师任课表"));
}

void PrintCommandTest::nothingToPrint()
{
    Workspace ws;
    test::FakeUiPort ui;
    RecordingWindow window(ws);
    print::printClassTimetables(ws, window, ui, {});
    print::printTeacherTimetables(ws, window, ui, {});
    QVERIFY(window.events.isEmpty());
    QCOMPARE(ws.session.printKind, PrintKind::MasterTimetable);
    QCOMPARE(ui.prompts(),
             QStringList({QStringLiteral(u"班级名单是空的，没有班级课程表可打印。"),
                          QStringLiteral(u"教师名单是空的，没有教师任课表可打印。")}));
}

void PrintCommandTest::weekSheetFillsOnePage()
{
    views::WeekTimetable week(6, 3);
    week.setCell({6, 3}, {QStringLiteral(u"体育  张伟"), false});
    const print::ReportSheet sheet = print::weekSheet(week, QStringLiteral(u"班级课程表(1班)"));
    QCOMPARE(sheet.columnCount(), 7);
    QCOMPARE(sheet.rowCount(), 4);
    QCOMPARE(sheet.cell({0, 6}).text, QStringLiteral(u"星期六"));
    QCOMPARE(sheet.cell({3, 0}).text, QStringLiteral(u"三"));
    QCOMPARE(sheet.cell({3, 6}).text, QStringLiteral(u"体育  张伟"));
    QCOMPARE(sheet.cell({3, 6}).alignment, Qt::AlignCenter);
    QCOMPARE(sheet.cell({3, 6}).fontSize, print::WeekFontPoints);
    QCOMPARE(sheet.horizontalLine(3, 4).weight, print::ThickLine);

    // Filled out to the page, up to twice its size, and drawn smaller on a small page.
    const double width = print::WeekHeaderColumnWidth + 6 * print::WeekDayColumnWidth;
    const double height = print::WeekHeaderRowHeight + 3 * print::WeekPeriodRowHeight;
    const auto scaleOn = [&sheet](QSizeF points) {
        const print::PageLayout layout = print::paginate(sheet, points);
        return layout.pages.size() == 1 ? layout.scale : -1.0;
    };
    const QSizeF natural = QSizeF(width, height) / print::PixelsPerPoint;
    QCOMPARE(scaleOn(natural * 1.5), 1.5);
    QCOMPARE(scaleOn(natural * 10), print::MaxFitScale);
    QCOMPARE(scaleOn(QSizeF(natural.width() / 2, natural.height())), 0.5);
    QCOMPARE(print::paginate(sheet, natural).pages[0].columns.size(), std::size_t(2));
}

void PrintCommandTest::bookOfTheSelectedKinds()
{
    Workspace ws;
    fillSchool(ws);
    const std::vector<print::ReportSheet> all =
        print::timetableBook(ws.school, ws.session.periodsPerDay, {});
    QStringList headings;
    for (const print::ReportSheet& sheet : all)
        headings.append(sheet.heading());
    QCOMPARE(headings,
             QStringList({QStringLiteral(u"全校课程表"), QStringLiteral(u"班级课程表(1班)"),
                          QStringLiteral(u"班级课程表(2班)"), QStringLiteral(u"教师任课表(王芳)"),
                          QStringLiteral(u"教师任课表(李强)")}));
    QCOMPARE(all[0].pageFit(), print::PageFit::AcrossPages);
    QCOMPARE(all[0].cell({0, 13}).text, QStringLiteral(u"星期日"));

    const auto teachersOnly =
        print::timetableBook(ws.school, ws.session.periodsPerDay, {false, false, true});
    QCOMPARE(teachersOnly.size(), std::size_t(2));
    QCOMPARE(teachersOnly[0].cell({1, 1}).text, QStringLiteral(u"语文  1班"));
}

QTEST_GUILESS_MAIN(PrintCommandTest)
#include "tst_printcommand.moc"
