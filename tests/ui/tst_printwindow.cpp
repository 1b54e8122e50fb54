// The print window: its controls, the fill from the master timetable, and saving a PDF.
#include "filesizelimit.h"
#include "timetablegrid.h"

#include "print/printcommand.h"
#include "windows/printwindow.h"

#include "print/reportsheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace orve;

namespace {

QPushButton* buttonNamed(const QWidget& window, const QString& name)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->accessibleName() == name)
            return button;
    return nullptr;
}

} // namespace

class PrintWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndFill();
    void saveAsPdf();
    void printToAFileKeepsTheOldFileWhenTheDiskIsFull();
    void paperPageOneAndTheFileOffered();
};

void PrintWindowTest::controlsAndFill()
{
    ui::PrintWindow window;
    for (const QString& name : {QStringLiteral(u"打印"), QStringLiteral(u"页面设置"),
                                QStringLiteral(u"另存为 PDF"), QStringLiteral(u"关闭")})
        QVERIFY2(buttonNamed(window, name), qPrintable(name));
    auto* everyPage = window.findChild<QCheckBox*>();
    QVERIFY(everyPage && everyPage->accessibleName() == QStringLiteral(u"每页打印标题"));
    auto* title = window.findChild<QLineEdit*>();
    QVERIFY(title && title->accessibleName() == QStringLiteral(u"标题"));
    QCOMPARE(window.printer().pageLayout().orientation(), QPageLayout::Landscape);

    model::Grid master;
    test::layOutTimetable(master, test::classNames(12), 5, 8, true);
    int eventRuns = 0;
    print::printMasterTimetable(window, master, 5, 8, QStringLiteral(u"实验中学课程表"),
                             [&eventRuns] { ++eventRuns; });
    QVERIFY(window.isVisible() && window.isWindow() && !window.isModal() && window.isEnabled());
    QVERIFY(master.redraw());
    QVERIFY(eventRuns > 0);
    QCOMPARE(title->text(), QStringLiteral(u"实验中学课程表"));
    QCOMPARE(window.sheet().rowCount(), 14);
    QVERIFY(!window.sheet().pageLabelVisible());
    QVERIFY(window.pageCount() >= 2);
    QVERIFY(window.width() <= 1366 && window.height() <= 768);

    // Each run refills the window from scratch, an empty title included.
    model::Grid shorterDays;
    test::layOutTimetable(shorterDays, test::classNames(2), 5, 3);
    print::printMasterTimetable(window, shorterDays, 5, 3, QString(), [] {});
    QCOMPARE(title->text(), QString());
    QCOMPARE(window.sheet().rowCount(), 4);
    QCOMPARE(window.sheet().joinedBlocks().size(), std::size_t(1 + 5));
    QCOMPARE(window.sheet().cell({0, 4}).alignment, Qt::AlignCenter);
    QCOMPARE(window.sheet().cell({0, 9}).alignment, Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(window.pageCount(), 1);
}

void PrintWindowTest::saveAsPdf()
{
    QTemporaryDir dir;
    ui::PrintWindow window;
    model::Grid master;
    test::layOutTimetable(master, test::classNames(3), 6, 4, true);
    print::printMasterTimetable(window, master, 6, 4, QStringLiteral(u"课程表"), [] {});

    QString chosen;
    window.setPdfFileChooser([&chosen] { return chosen; });
    QPushButton* save = buttonNamed(window, QStringLiteral(u"另存为 PDF"));
    QVERIFY(save);
    save->click(); // cancelled: nothing written
    QVERIFY(QDir(dir.path()).isEmpty());

    chosen = dir.filePath(QStringLiteral(u"课程表.pdf"));
    save->click();
    QFile pdf(chosen);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);

    // A folder that is not there: the user is told, and it is not reported as done.
    QString told;
    QTimer::singleShot(0, this, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    QVERIFY(!window.saveAsPdf(dir.filePath(QStringLiteral("missing/timetable.pdf"))));
    QVERIFY2(told.startsWith(QStringLiteral(u"无法保存 PDF 文件")) &&
                 told.contains(QStringLiteral(u"文件夹不存在")),
             qPrintable(told));
}

// 打印到文件 (the print dialog's PDF printer) over an existing file on a nearly full disk.
void PrintWindowTest::printToAFileKeepsTheOldFileWhenTheDiskIsFull()
{
    QTemporaryDir dir;
    ui::PrintWindow window;
    model::Grid master;
    test::layOutTimetable(master, test::classNames(30), 5, 8, true);
    print::printMasterTimetable(window, master, 5, 8, QStringLiteral(u"课程表"), [] {});
    const QString target = dir.filePath(QStringLiteral(u"课程表.pdf"));
    const QByteArray old("%PDF-1.4 the old timetable\n");
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    window.setPrinterChooser([&target](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    });
    QString told;
    QTimer::singleShot(0, this, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    {
        test::FileSizeLimit limit(2048);
        window.printPages();
    }
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QVERIFY2(told.contains(QStringLiteral(u"文件超过了系统允许的大小")), qPrintable(told));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // With room the file is written whole.
    window.printPages();
    QVERIFY(QFileInfo(target).size() > 2048);
}

// A3 holds more of a master timetable on a page; another document starts at its first page;
// printing into a file offers it in the school's folder.
void PrintWindowTest::paperPageOneAndTheFileOffered()
{
    ui::PrintWindow window;
    model::Grid master;
    test::layOutTimetable(master, test::classNames(24), 5, 8, true);
    print::printMasterTimetable(window, master, 5, 8, QStringLiteral(u"实验中学"), [] {});
    auto* preview = window.findChild<QPrintPreviewWidget*>();
    QComboBox* paper = window.paperChooser();
    QCOMPARE(paper->accessibleName(), QStringLiteral(u"纸张"));
    const int onA4 = window.pageCount();
    emit paper->activated(1);
    QVERIFY(window.pageCount() < onA4);
    QCOMPARE(window.printer().pageLayout().pageSize().id(), QPageSize::A3);

    preview->setCurrentPage(window.pageCount());
    print::printMasterTimetable(window, master, 5, 8, QStringLiteral(u"实验中学"), [] {});
    QCOMPARE(preview->currentPage(), 1);

    QTemporaryDir dir;
    window.setFolder(dir.path());
    window.setDocumentName(QStringLiteral(u"总课表"));
    QString offered;
    QTimer::singleShot(0, this, [&offered] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (auto* file = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("filename")) : nullptr)
            offered = file->text();
        if (auto* printDialog = qobject_cast<QDialog*>(dialog))
            printDialog->reject();
    });
    window.printPages();
    QCOMPARE(offered, dir.filePath(QStringLiteral(u"实验中学 总课表.pdf")));
}

QTEST_MAIN(PrintWindowTest)
#include "tst_printwindow.moc"
