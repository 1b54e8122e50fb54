// The print window: the title line, a preview of the printed pages of the report sheet, and
// the commands to print, set up the page, save a PDF and close. It stays open beside the
// main window and is reused, so the paper chosen in it is kept while the program runs.
#pragma once

#include "sheetdocument.h"

#include <QPrinter>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;

namespace orve::print {
class ReportSheet;
class SheetCalls;
} // namespace orve::print

namespace orve::ui {

class PrintWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PrintWindow(QWidget* parent = nullptr);
    ~PrintWindow() override;

    // Empties the sheet (nothing of an earlier run stays) and returns where the print
    // preparation sends its calls: the sheet, the title line and the print range. The
    // closing repaint (redrawAll) refreshes the preview.
    print::SheetCalls& startPreparation();
    const print::ReportSheet& sheet() const;

    // What is printed: the title line as it stands and the check box.
    PrintOptions options() const;
    int pageCount() const;
    QPrinter& printer() { return printer_; }

    // Asks for the PDF file name (empty: cancelled). The file dialog unless replaced.
    void setPdfFileChooser(std::function<QString()> chooser);
    // Writes every page to a PDF file, replacing it only when all is written; tells the user
    // and returns false when it cannot.
    bool saveAsPdf(const QString& path);

private:
    class Preparation;

    void buildLayout();
    void refreshPreview();
    void printPages();
    void setUpPage();
    void saveAsPdfChosen();
    QString choosePdfFile();

    QPrinter printer_;
    std::unique_ptr<Preparation> preparation_;
    std::function<QString()> pdfFileChooser_;
    QTimer titleTimer_;
    QLineEdit* titleEdit_;
    QCheckBox* titleOnEveryPage_;
    QPrintPreviewWidget* preview_;
    QLabel* pageCountLabel_;
};

} // namespace orve::ui
