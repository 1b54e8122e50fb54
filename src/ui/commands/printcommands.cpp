#include "printcommands.h"

#include "commandcontext.h"
#include "platform/busycursor.h"
#include "platform/programinfo.h"
#include "timetablepdf.h"
#include "windows/printwindow.h"

#include "fileio/exportcommands.h"
#include "fileio/filecommands.h"
#include "fileio/filemessages.h"
#include "print/printcommand.h"
#include "uiport.h"
#include "workspace.h"

#include <QFileInfo>

namespace orve::ui {

PrintCommands::PrintCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), window_(context.views.window)
{
    const Actions& actions = context.actions;
    bindAction(actions.printPreview, this, &PrintCommands::printPreview);
    bindAction(actions.print, this, &PrintCommands::print);
    bindAction(actions.printClassTimetables, this, &PrintCommands::printClassTimetables);
    bindAction(actions.printTeacherTimetables, this, &PrintCommands::printTeacherTimetables);
    bindAction(actions.exportPdf, this, &PrintCommands::exportPdf);
    for (const ExportTablesItem& item : actions.exportTables)
        bindAction(item.action, this, [this, format = item.format] {
            fileio::exportTimetableFiles(ws_, ui_, *format);
        });
}

PrintWindow& PrintCommands::ensurePrintWindow()
{
    if (!printWindow_)
        printWindow_ = new PrintWindow(window_);
    return *printWindow_;
}

void PrintCommands::nameDocument()
{
    ensurePrintWindow().setDocumentName(print::printKindName(ws_.session.printKind));
    printWindow_->setFolder(fileio::dialogFolder(ws_));
}

void PrintCommands::printPreview()
{
    print::printTimetable(ws_, ensurePrintWindow(), ui_);
    nameDocument();
}

void PrintCommands::print()
{
    printPreview();
    printWindow_->printPages();
}

void PrintCommands::printClassTimetables()
{
    printClasses(ws_.school.classes);
}

void PrintCommands::printTeacherTimetables()
{
    printTeachers(ws_.school.teachers);
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
    print::printClassTimetables(ws_, ensurePrintWindow(), ui_, classes);
    nameDocument();
}

void PrintCommands::printTeachers(const QStringList& teachers)
{
    print::printTeacherTimetables(ws_, ensurePrintWindow(), ui_, teachers);
    nameDocument();
}

void PrintCommands::exportPdf()
{
    const Workspace& ws = ws_;
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
        written = render::writeTimetablesPdf(
            path, ws.school, ws.session.periodsPerDay, {}, defaultMessageTitle(),
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

} // namespace orve::ui
