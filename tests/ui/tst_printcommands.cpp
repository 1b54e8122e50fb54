// The 打印输出 menu in the main window: 打印预览 by its key, its menu item and its toolbar button
// fills the one print window; 打印 prints through the printer the user chooses; the class and
// teacher timetables come one to a page; the exports write their files where the port says.
#include "fakeuiport.h"
#include "timetablegrid.h"

#include "commands/printcommands.h"
#include "mainwindow.h"
#include "windows/printwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using orve::ui::ExportTablesItem;
using orve::ui::MainWindow;
using orve::ui::PrintWindow;

namespace {

// Four classes of a six-day week of three periods, every lesson given.
void fillSchool(orve::Workspace& ws)
{
    ws.school.classes = orve::test::classNames(4);
    ws.school.teachers = {QStringLiteral(u"教师1"), QStringLiteral(u"教师2")};
    ws.school.title = QStringLiteral(u"实验中学 2024学年");
    ws.school.week.days = QStringLiteral("6");
    ws.session.periodsPerDay = 3;
    orve::test::layOutTimetable(ws.school.masterTimetable, ws.school.classes, 6, 3, true);
}

// What pdfinfo says of the page size ("1190.55 x 841.89 pts (A3)").
QByteArray readPdfSize(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000) || info.exitCode() != 0)
        return {};
    for (const QByteArray& line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith("Page size:"))
            return line;
    return {};
}

QString titleLine(const PrintWindow& window)
{
    for (auto* edit : window.findChildren<QLineEdit*>())
        if (edit->accessibleName() == QStringLiteral(u"标题"))
            return edit->text();
    return QStringLiteral("(no title line)");
}

} // namespace

class PrintCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void previewAndPrintTheMasterTimetable();
    void classAndTeacherTimetablesOneToAPage();
    void exportsFromTheMenu();
};

void PrintCommandsTest::previewAndPrintTheMasterTimetable()
{
    orve::test::FakeUiPort dialogs;
    MainWindow window(&dialogs);
    fillSchool(window.workspace());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!window.printCommands()->printWindow());

    QTest::keyClick(&window, Qt::Key_F9);
    PrintWindow* print = window.printCommands()->printWindow();
    QVERIFY(print);
    QVERIFY(print->isVisible() && print->isEnabled());
    QCOMPARE(window.workspace().session.printKind, orve::PrintKind::MasterTimetable);
    QCOMPARE(titleLine(*print), QStringLiteral(u"实验中学 2024学年"));
    QCOMPARE(print->sheets().size(), std::size_t(1));
    QCOMPARE(print->sheet().rowCount(), 6);
    QCOMPARE(print->sheet().cell({0, 16}).text, QStringLiteral(u"星期六"));
    QVERIFY(print->pageCount() >= 1);
    QCOMPARE(print->printer().docName(), QStringLiteral(u"总课表"));
    QVERIFY(window.workspace().school.masterTimetable.redraw());

    // The menu item and toolbar button 6 refill the same window.
    window.workspace().school.title = QStringLiteral(u"新标题");
    window.actions().printPreview->trigger();
    QCOMPARE(window.printCommands()->printWindow(), print);
    QCOMPARE(titleLine(*print), QStringLiteral(u"新标题"));
    window.workspace().school.title.clear();
    window.toolbarButton(6)->trigger();
    QCOMPARE(window.printCommands()->printWindow(), print);
    QCOMPARE(titleLine(*print), QString());

    // 打印 fills the window the same way and asks for the printer at once.
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("printed.pdf"));
    int asked = 0;
    print->setPrinterChooser([&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        return true;
    });
    window.workspace().school.title = QStringLiteral(u"高一打印标题");
    window.toolbarButton(7)->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(titleLine(*print), QStringLiteral(u"高一打印标题"));
    QFile printed(output);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(5) == "%PDF-");
    // Printed into a file, the text reads back as drawn (高 and 一 are not radicals).
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {output, QStringLiteral("-")});
    if (text.waitForFinished(30000) && text.exitCode() == 0) {
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(read.contains(QStringLiteral(u"高一打印标题")) &&
                     read.contains(QStringLiteral(u"星期一")),
                 qPrintable(read.left(200)));
    }
}

void PrintCommandsTest::classAndTeacherTimetablesOneToAPage()
{
    orve::test::FakeUiPort dialogs;
    MainWindow window(&dialogs);
    fillSchool(window.workspace());
    window.actions().printClassTimetables->trigger();
    PrintWindow* print = window.printCommands()->printWindow();
    QVERIFY(print && print->isVisible());
    QCOMPARE(window.workspace().session.printKind, orve::PrintKind::ClassTimetable);
    QCOMPARE(print->sheets().size(), std::size_t(4));
    QCOMPARE(print->sheets()[3].heading(), QStringLiteral(u"班级课程表(4班)"));
    QCOMPARE(print->sheets()[3].cell({1, 1}).text, QStringLiteral(u"语文  教师4"));
    QCOMPARE(print->pageCount(), 4);
    QCOMPARE(print->findChild<QPrintPreviewWidget*>()->pageCount(), 4);
    QCOMPARE(titleLine(*print), QStringLiteral(u"实验中学 2024学年"));
    QCOMPARE(print->printer().docName(), QStringLiteral(u"班级课程表"));

    // The class and teacher timetable window asks for the one it shows.
    window.printCommands()->printTeacherTimetable(QStringLiteral(u"教师2"));
    QCOMPARE(window.workspace().session.printKind, orve::PrintKind::TeacherTimetable);
    QCOMPARE(print->pageCount(), 1);
    QCOMPARE(print->sheet().heading(), QStringLiteral(u"教师任课表(教师2)"));

    window.actions().printTeacherTimetables->trigger();
    QCOMPARE(print->pageCount(), 2);
    QVERIFY(dialogs.messages.isEmpty());
}

void PrintCommandsTest::exportsFromTheMenu()
{
    QTemporaryDir dir;
    orve::test::FakeUiPort dialogs;
    MainWindow window(&dialogs);
    fillSchool(window.workspace());

    // The dialog offers "<title>.pdf" in the school's folder; a file name without its suffix
    // gets ".pdf". The file type chooses the paper.
    window.workspace().session.documentPath = dir.filePath(QStringLiteral("school.rve"));
    dialogs.fileNames = {dir.filePath(QStringLiteral(u"课程表"))};
    window.actions().exportPdf->trigger();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral(u"课程表.pdf"))));
    const orve::FileDialogRequest& asked = dialogs.fileDialogs.constLast();
    QCOMPARE(asked.title, QStringLiteral(u"导出为 PDF 文件"));
    QCOMPARE(asked.startFolder, dir.path());
    QCOMPARE(asked.suggestedName, QStringLiteral(u"实验中学 2024学年.pdf"));
    QCOMPARE(asked.filter,
             QStringLiteral(u"PDF 文件，A4 纸 (*.pdf);;PDF 文件，A3 纸 (*.pdf)"));
    QVERIFY2(dialogs.prompts().constLast().contains(QStringLiteral(u"共 8 页")),
             qPrintable(dialogs.prompts().constLast())); // contents, master, 4 classes, 2 teachers
    dialogs.fileNames = {dir.filePath(QStringLiteral(u"A3.pdf"))};
    dialogs.filtersChosen = {QStringLiteral(u"PDF 文件，A3 纸 (*.pdf)")};
    window.actions().exportPdf->trigger();
    QVERIFY(readPdfSize(dir.filePath(QStringLiteral(u"A3.pdf"))).contains("A3"));

    // Every table format of the menu, in its order: CSV, then HTML.
    const std::vector<ExportTablesItem>& exports = window.actions().exportTables;
    QVERIFY(exports.size() >= 2);
    QCOMPARE(exports[0].action->text(), QStringLiteral(u"导出为 CSV 表格..."));
    QCOMPARE(exports[1].action->objectName(), QStringLiteral("exportHtml"));
    dialogs.fileNames = {dir.path()};
    exports[0].action->trigger();
    QCOMPARE(dialogs.fileDialogs.constLast().title, QStringLiteral(u"导出为 CSV 表格：选择文件夹"));
    dialogs.fileNames = {dir.path()};
    exports[1].action->trigger();
    for (const char16_t* name : {u"总课表", u"班级课程表", u"教师任课表"})
        for (const char* suffix : {".csv", ".html"})
            QVERIFY(QFile::exists(dir.filePath(QString::fromUtf16(name) + QLatin1String(suffix))));
    QVERIFY(!window.printCommands()->printWindow()); // exports need no print window
}

QTEST_MAIN(PrintCommandsTest)
#include "tst_printcommands.moc"
