// The printed pages as a reader sees them: a small timetable written to a PDF, its text read
// back per page with pdftotext.
#include "timetablegrid.h"

#include "pdffile.h"
#include "sheetdocument.h"
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
    // Four classes, seven days of six periods: on A5 landscape five days and three classes
    // fit a page.
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

void PrintRenderTest::pagesHoldWholeDaysAndClasses()
{
    const QStringList pages = printedPages({QStringLiteral(u"实验中学课程表"), true});
    QCOMPARE(pages.size(), 4);
    // The Song face stands in for 宋体: not the sans face, not a fallback with boxes.
    if (!fonts_.isEmpty())
        QVERIFY2(fonts_.contains(QStringLiteral("NotoSerifCJKsc")), qPrintable(fonts_));
    const auto has = [&pages](int page, const char16_t* text) {
        return pages.at(page).contains(QString::fromUtf16(text));
    };
    // Across first: classes 1-3 on days 1-5, then on days 6-7; then class 4 the same way.
    QVERIFY(has(0, u"1班") && has(0, u"3班") && !has(0, u"4班"));
    QVERIFY(has(0, u"星期一") && has(0, u"星期五") && !has(0, u"星期六"));
    QVERIFY(has(1, u"1班") && has(1, u"星期六") && has(1, u"星期日") && !has(1, u"星期一"));
    QVERIFY(has(2, u"4班") && !has(2, u"1班") && has(2, u"星期一"));
    QVERIFY(has(3, u"4班") && has(3, u"星期日"));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(has(i, u"实验中学课程表"));
        // The footer "第 N 页 / 共 M 页" reads back without its spaces.
        QString footer = pages.at(i);
        footer.remove(u' ');
        QVERIFY(footer.contains(QStringLiteral(u"第%1页/共4页").arg(i + 1)));
        QVERIFY(has(i, u"语")); // lessons wrap a character a line in their narrow cells
    }
}

void PrintRenderTest::titleOnFirstPageOnly()
{
    const QStringList pages = printedPages({QStringLiteral(u"实验中学课程表"), false});
    QCOMPARE(pages.size(), 4);
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
    const QString path = dir_.filePath(QStringLiteral("school.pdf"));

    const render::PdfExport all =
        render::writeTimetablesPdf(path, school, 3, {}, QStringLiteral("test"));
    QVERIFY2(all.failure.isEmpty(), qPrintable(all.failure));
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1 + 1 + 3 + 2);
    QCOMPARE(all.pages, 7);
    const auto has = [&pages](int page, const QString& text) {
        QString flat = pages.at(page);
        flat.remove(u' ');
        return flat.contains(text);
    };
    // The contents name each timetable with the page it starts on.
    QVERIFY(has(0, QStringLiteral(u"目录")));
    QVERIFY(has(0, QStringLiteral(u"班级课程表(2班)\n\n4")));
    QVERIFY(has(1, QStringLiteral(u"全校课程表")) && has(1, QStringLiteral(u"3班")));
    for (int i = 0; i < 3; ++i) {
        const QString caption = QStringLiteral(u"班级课程表(%1班)").arg(i + 1);
        for (int page = 0; page < pages.size(); ++page)
            QCOMPARE(has(page, caption), page == 0 || page == 2 + i);
    }
    QVERIFY(has(3, QStringLiteral(u"语文高文")) && !has(2, QStringLiteral(u"语文高文")));
    QVERIFY(has(5, QStringLiteral(u"教师任课表(高文)")) && has(5, QStringLiteral(u"语文2班")));
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

QTEST_MAIN(PrintRenderTest)
#include "tst_printrender.moc"
