// The printed pages as a reader sees them: a small timetable written to a PDF, its text read
// back per page with pdftotext.
#include "timetablegrid.h"

#include "celltext.h"
#include "pdffile.h"
#include "sheetdocument.h"
#include "sheetpainter.h"
#include "timetablepdf.h"

#include "model/school.h"
#include "print/masterprint.h"
#include "print/reportsheet.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace orve;
using namespace Qt::StringLiterals;

namespace {

QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page of a PDF file, as a reader extracts it.
QStringList pdfPages(const QString& path)
{
    QStringList pages =
        runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class PrintRenderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesHoldWholeDaysAndClasses();
    void titleOnFirstPageOnly();
    void everyTimetableOnItsPage();
    void cellTextKeepsNamesWhole();

private:
    // Writes the sheet on A5 landscape pages and returns the text of each page.
    QStringList printedPages(const render::PrintOptions& options);

    QTemporaryDir dir_;
    print::ReportSheet sheet_;
    QString fonts_; // pdffonts' list of the last PDF
};

void PrintRenderTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(dir_.isValid());
    // Four classes, seven days of six periods: on A5 landscape three days fit a page.
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(4), 7, 6, true);
    print::fillMasterTimetable(sheet_, grid, 7, 6, QString(), [] {});
}

QStringList PrintRenderTest::printedPages(const render::PrintOptions& options)
{
    const QString path = dir_.filePath(QStringLiteral("timetable.pdf"));
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    if (!render::writePdfFile(path, {sheet_}, a5, options, {}).isEmpty())
        return {};
    const QStringList pages = pdfPages(path);
    fonts_ = runTool(QStringLiteral("pdffonts"), {path});
    return pages;
}

// Each lesson reads whole at its printed size: the columns are as wide as the longest name
// needs, so the days go onto as many pages as they take, each day whole on one page.
void PrintRenderTest::pagesHoldWholeDaysAndClasses()
{
    const QStringList pages = printedPages({QStringLiteral(u"实验中学课程表"), true});
    QCOMPARE(pages.size(), 3);
    // The Song face stands in for 宋体: not the sans face, not a fallback with boxes.
    if (!fonts_.isEmpty())
        QVERIFY2(fonts_.contains(QStringLiteral("NotoSerifCJKsc")), qPrintable(fonts_));
    const auto has = [&pages](int page, const char16_t* text) {
        return pages.at(page).contains(QString::fromUtf16(text));
    };
    QVERIFY(has(0, u"星期一") && has(0, u"星期三") && !has(0, u"星期四"));
    QVERIFY(has(1, u"星期四") && has(1, u"星期五") && !has(1, u"星期六"));
    QVERIFY(has(2, u"星期六") && has(2, u"星期日"));
    // Every teacher's name, as many times as the sheet holds it, none cut in two.
    QStringList expected;
    for (int r = 2; r < sheet_.rowCount(); ++r)
        for (int c = 1; c < sheet_.columnCount(); ++c)
            expected.append(sheet_.cell({r, c}).text.section(u' ', -1));
    QStringList printed;
    static const QRegularExpression teacher(QStringLiteral(u"教师\\d+"));
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(has(i, u"实验中学课程表") && has(i, u"1班") && has(i, u"4班"));
        for (auto found = teacher.globalMatch(pages.at(i)); found.hasNext();)
            printed.append(found.next().captured(0));
        // The footer "第 N 页 / 共 M 页" reads back without its spaces.
        QString footer = pages.at(i);
        footer.remove(u' ');
        QVERIFY(footer.contains(QStringLiteral(u"第%1页/共3页").arg(i + 1)));
    }
    expected.sort();
    printed.sort();
    QCOMPARE(printed, expected);

    // A3 takes more days and classes on a page.
    model::Grid school;
    test::layOutTimetable(school, test::classNames(24), 5, 8, true);
    print::ReportSheet sheet;
    print::fillMasterTimetable(sheet, school, 5, 8, QString(), [] {});
    const auto pagesOn = [&sheet](render::Paper paper) {
        return render::SheetDocument(sheet, render::pageLayoutOn(paper), {}).pageCount();
    };
    QVERIFY(pagesOn(render::Paper::A3) < pagesOn(render::Paper::A4));
}

void PrintRenderTest::titleOnFirstPageOnly()
{
    const QStringList pages = printedPages({QStringLiteral(u"实验中学课程表"), false});
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages.at(0).contains(QStringLiteral(u"实验中学课程表")));
    QVERIFY(!pages.at(1).contains(QStringLiteral(u"实验中学课程表")));
}

// The export of a school: contents, the master timetable, then one page per class and per
// teacher, each under its caption and the school's title.
void PrintRenderTest::everyTimetableOnItsPage()
{
    model::School school;
    school.classes = test::classNames(3);
    // 高, 文, 生 and 一 share their glyphs with radicals: the text must still read them.
    school.teachers = {QStringLiteral(u"高文"), QStringLiteral(u"李强")};
    school.title = QStringLiteral(u"实验中学");
    test::layOutTimetable(school.masterTimetable, school.classes, 5, 3);
    school.masterTimetable.setText({3, 2}, QStringLiteral(u"语文  高文"));
    school.masterTimetable.setText({4, 15}, QStringLiteral(u"生物  李强"));
    // 高文 in two classes at once: the teacher's page shows both, tagged.
    school.masterTimetable.setText({2, 2}, QStringLiteral(u"数学  高文"));
    const QString path = dir_.filePath(QStringLiteral("school.pdf"));

    const render::PdfExport all =
        render::writeTimetablesPdf(path, school, 3, {}, QStringLiteral("test"));
    QVERIFY2(all.failure.isEmpty(), qPrintable(all.failure));
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1 + 1 + 3 + 2);
    QCOMPARE(all.pages, 7);
    const auto has = [&pages](int page, const QString& text) {
        QString flat = pages.at(page);
        flat.remove(u' ').remove(u'\n');
        return flat.contains(text);
    };
    // The contents name each timetable with the page it starts on.
    QVERIFY(has(0, QStringLiteral(u"目录")));
    QVERIFY(has(0, QStringLiteral(u"班级课程表(2班)4")));
    QVERIFY(has(1, QStringLiteral(u"全校课程表")) && has(1, QStringLiteral(u"3班")));
    for (int i = 0; i < 3; ++i) {
        const QString caption = QStringLiteral(u"班级课程表(%1班)").arg(i + 1);
        for (int page = 0; page < pages.size(); ++page)
            QCOMPARE(has(page, caption), page == 0 || page == 2 + i);
    }
    QVERIFY(has(3, QStringLiteral(u"语文高文")) && !has(2, QStringLiteral(u"语文高文")));
    QVERIFY(has(5, QStringLiteral(u"教师任课表(高文)")) &&
            has(5, QStringLiteral(u"【重课】数学1班语文2班")));
    QVERIFY(has(6, QStringLiteral(u"教师任课表(李强)")) && has(6, QStringLiteral(u"星期五")) &&
            has(6, QStringLiteral(u"生物3班")));
    QVERIFY(has(2, QStringLiteral(u"星期一")) && has(0, QStringLiteral(u"页")));
    for (const QString& page : pages)
        QVERIFY(std::none_of(page.begin(), page.end(), [](QChar c) {
            return (c.unicode() >= 0x2E80 && c.unicode() <= 0x2EFF) ||
                   (c.unicode() >= 0x2F00 && c.unicode() <= 0x2FDF);
        }));
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY(has(page, QStringLiteral(u"实验中学")));

    // One kind alone; a place that cannot be written is told, not reported as done.
    QCOMPARE(render::writeTimetablesPdf(path, school, 3, {false, true, false}, {}).pages, 1 + 3);
    QCOMPARE(pdfPages(path).size(), 4);
    const render::PdfExport failed = render::writeTimetablesPdf(
        dir_.filePath(QStringLiteral("missing/school.pdf")), school, 3, {}, {});
    QCOMPARE(failed.pages, 0);
    QVERIFY(failed.failure.contains(QStringLiteral(u"文件夹不存在")));
}

// A lesson's course above its teacher, names never broken, the font smaller where they would
// not fit; words are broken only when nothing else fits at the least size.
void PrintRenderTest::cellTextKeepsNamesWhole()
{
    QFont font = render::printFont(QString(), 12);
    const QString lesson = QStringLiteral(u"语文  R_Gentz");
    const double wide = render::widestWord(lesson, font, nullptr);
    const render::FittedText roomy = render::fitText(lesson, font, {wide * 2, 400}, nullptr);
    QCOMPARE(roomy.lines, (QStringList{u"语文"_s, u"R_Gentz"_s}));
    QCOMPARE(roomy.font.pointSizeF(), 12.0);
    const render::FittedText narrow = render::fitText(lesson, font, {wide * 0.8, 400}, nullptr);
    QCOMPARE(narrow.lines, (QStringList{u"语文"_s, u"R_Gentz"_s}));
    QVERIFY(narrow.whole && narrow.font.pointSizeF() < 12.0);
    const render::FittedText tiny = render::fitText(lesson, font, {wide * 0.2, 400}, nullptr);
    QVERIFY(!tiny.whole && tiny.font.pointSizeF() == render::MinimumTextPoints);
    // A list of classes breaks after its commas.
    const render::FittedText list = render::fitText(
        QStringLiteral(u"数学  初一(1)、初一(2)"), font,
        {render::widestWord(QStringLiteral(u"初一(1)、"), font, nullptr) * 1.1, 400}, nullptr);
    QCOMPARE(list.lines, (QStringList{u"数学"_s, u"初一(1)、"_s, u"初一(2)"_s}));
}

QTEST_MAIN(PrintRenderTest)
#include "tst_printrender.moc"
