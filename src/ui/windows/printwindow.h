// The print window: the title line, a preview of the printed pages, and the commands to print,
// set up the page, save a PDF and close. It shows the master timetable filled call by call, or
// ready sheets (the class and teacher timetables, one to a page). It stays open beside the
// main window and is reused, so the paper chosen in it is kept while the program runs.
#pragma once

#include "sheetdocument.h"

#include "print/printcommand.h"

#include <QPrinter>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;

namespace orve::ui {

class PrintWindow : public QWidget, public print::PrintWindowPort
{
    Q_OBJECT

public:
    explicit PrintWindow(QWidget* parent = nullptr);
    ~PrintWindow() override;

    // Empties the window (nothing of an earlier run stays) and returns where the print
    // preparation sends its calls: the sheet, the title line and the print range. The
    // closing repaint (redrawAll) ends the preparation and refreshes the preview.
    print::SheetCalls& startPreparation() override;
    void showWindow() override;
    void showSheets(std::vector<print::ReportSheet> sheets, const QString& title) override;

    const std::vector<print::ReportSheet>& sheets() const { return sheets_; }
    // The first sheet shown (an empty one when there is none).
    const print::ReportSheet& sheet() const;

    // What is printed: the title line as it stands and the check box.
    render::PrintOptions options() const;
    int pageCount() const;
    QPrinter& printer() { return printer_; }
    // The print job's name and the name the PDF file is offered under: "总课表", ….
    void setDocumentName(const QString& name);
    // Where a PDF file is offered: the school's folder.
    void setFolder(const QString& folder);
    // The paper chooser: A4 or A3, landscape.
    QComboBox* paperChooser() const { return paperChooser_; }

    // Asks for the PDF file name (empty: cancelled). The file dialog unless replaced.
    void setPdfFileChooser(std::function<QString()> chooser);
    // Sets up the printer before printing; false cancels. The print dialog unless replaced.
    void setPrinterChooser(std::function<bool(QPrinter&)> chooser);

    // 打印: asks for the printer, then prints every page (to a PDF file as saveAsPdf does).
    void printPages();
    // Writes every page to a PDF file, replacing it only when all is written; tells the user
    // and returns false when it cannot.
    bool saveAsPdf(const QString& path);

private:
    class Preparation;

    void buildLayout();
    void finishPreparation();
    void refreshPreview();
    void setUpPage();
    void saveAsPdfChosen();
    void choosePaper(int index);
    void showPaper();
    QString offeredPdfFile() const;
    QString choosePdfFile();
    bool choosePrinter();

    QPrinter printer_;
    std::unique_ptr<Preparation> preparation_;
    std::vector<print::ReportSheet> sheets_;
    std::function<QString()> pdfFileChooser_;
    std::function<bool(QPrinter&)> printerChooser_;
    QTimer titleTimer_;
    QString folder_;
    QLineEdit* titleEdit_;
    QComboBox* paperChooser_;
    QCheckBox* titleOnEveryPage_;
    QPrintPreviewWidget* preview_;
    QLabel* pageCountLabel_;
};

} // namespace orve::ui
