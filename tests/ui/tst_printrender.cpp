// The printed pages as a reader sees them: a small timetable written to a PDF, its text read
// back per page with pdftotext.
#include "timetablegrid.h"

#include "sheetdocument.h"

#include "print/masterprint.h"
#include "print/reportsheet.h"

#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

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

} // namespace

class PrintRenderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesHoldWholeDaysAndClasses();
    void titleOnFirstPageOnly();

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
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!render::printSheet(writer, sheet_, options))
            return {};
    }
    // Noto CJK draws 一 and the radical ⼀ with one glyph, and the PDF names the glyph by the
    // radical; NFKC reads it back as 一.
    QStringList pages = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                            .normalized(QString::NormalizationForm_KC)
                            .split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();

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
        // The footer "第 N 页 / 共 M 页" reads back without its spaces, and 页 as a radical.
        QString footer = pages.at(i);
        footer.remove(u' ');
        QVERIFY(footer.contains(QStringLiteral(u"第%1").arg(i + 1)) &&
                footer.contains(QStringLiteral(u"/共4")));
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

QTEST_MAIN(PrintRenderTest)
#include "tst_printrender.moc"
