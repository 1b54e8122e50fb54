#include "printcommands.h"

#include "mainwindow.h"
#include "printwindow.h"
#include "programinfo.h"
#include "timetablepdf.h"

#include "fileio/exportcommands.h"
#include "fileio/filecommands.h"
#include "fileio/filemessages.h"
#include "print/printcommand.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>

namespace orve::ui {

namespace {

// The wait cursor while a long export runs.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

PrintCommands::PrintCommands(MainWindow& window, UiPort& ui)
    : QObject(&window), window_(window), ui_(ui)
{
    const auto on = [this](const char* name, void (PrintCommands::*command)()) {
        if (QAction* action = window_.action(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, command);
    };
    on("printPreview", &PrintCommands::printPreview);
    on("print", &PrintCommands::print);
    on("printClassTimetables", &PrintCommands::printClassTimetables);
    on("printTeacherTimetables", &PrintCommands::printTeacherTimetables);
    on("exportPdf", &PrintCommands::exportPdf);
    on("exportCsv", &PrintCommands::exportCsv);
    on("exportHtml", &PrintCommands::exportHtml);
}

PrintWindow& PrintCommands::ensurePrintWindow()
{
    if (!printWindow_)
        printWindow_ = new PrintWindow(&window_);
    return *printWindow_;
}

void PrintCommands::nameDocument()
{
    const Workspace& ws = window_.workspace();
    ensurePrintWindow().setDocumentName(print::printKindName(ws.session.printKind));
    printWindow_->setFolder(fileio::dialogFolder(ws));
}

void PrintCommands::printPreview()
{
    print::printTimetable(window_.workspace(), ensurePrintWindow(), ui_);
    nameDocument();
}

void PrintCommands::print()
{
    printPreview();
    printWindow_->printPages();
}

void PrintCommands::printClassTimetables()
{
    printClasses(window_.workspace().school.classes);
}

void PrintCommands::printTeacherTimetables()
{
    printTeachers(window_.workspace().school.teachers);
}

void PrintCommands::printClassTimetable(const QString& className)
{
    printClasses({className});
}

void PrintCommands::printTeacherTimetable(const QString& teacher)
{
    printTeachers({teacher});
}

void PrintCommands::printClasses(const QStringList& classes)
{
    print::printClassTimetables(window_.workspace(), ensurePrintWindow(), ui_, classes);
    nameDocument();
}

void PrintCommands::printTeachers(const QStringList& teachers)
{
    print::printTeacherTimetables(window_.workspace(), ensurePrintWindow(), ui_, teachers);
    nameDocument();
}

void PrintCommands::exportPdf()
{
    const Workspace& ws = window_.workspace();
    // The paper is chosen with the file type: A3 holds more days of the master timetable.
    const QString onA4 = QStringLiteral(u"PDF 文件，A4 纸 (*.pdf)");
    const QString onA3 = QStringLiteral(u"PDF 文件，A3 纸 (*.pdf)");
    QString chosen;
    FileDialogRequest request;
    request.title = QStringLiteral(u"导出为 PDF 文件");
    request.filter = onA4 + QStringLiteral(";;") + onA3;
    request.startFolder = fileio::dialogFolder(ws);
    request.suggestedName = render::pdfFileName(
        ws.school.title.trimmed().isEmpty() ? QStringLiteral(u"课程表") : ws.school.title);
    request.chosenFilter = &chosen;
    QString path = ui_.saveFileName(request);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    ui_.processEvents();
    render::PdfExport written;
    {
        const BusyCursor busy;
        written = render::writeTimetablesPdf(path, ws.school, ws.session.periodsPerDay, {},
                                             defaultMessageTitle(),
                                             chosen == onA3 ? render::Paper::A3 : render::Paper::A4);
    }
    const QString shown = fileio::shownPath(path);
    if (!written.failure.isEmpty())
        ui_.message(QStringLiteral(u"PDF 文件“%1”没有导出：%2。").arg(shown, written.failure),
                    MessageButtons::Ok, {}, MessageIcon::Critical);
    else
        ui_.message(QStringLiteral(u"课程表已导出为 PDF 文件“%1”，共 %2 页。")
                        .arg(shown, QString::number(written.pages)),
                    MessageButtons::Ok, {}, MessageIcon::Information);
}

void PrintCommands::exportCsv()
{
    fileio::exportTimetableFiles(window_.workspace(), ui_, fileio::TableFormat::Csv);
}

void PrintCommands::exportHtml()
{
    fileio::exportTimetableFiles(window_.workspace(), ui_, fileio::TableFormat::Html);
}

} // namespace orve::ui
