#include "printwindow.h"

#include "pdffile.h"
#include "platform/programinfo.h"

#include "fileio/filemessages.h"
#include "print/reportsheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace orve::ui {

namespace {

// Typing in the title line repaints the pages once the typing pauses.
constexpr int TitlePauseMs = 300;

QPushButton* button(const QString& caption, const QKeySequence& shortcut, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setAccessibleName(caption);
    if (!shortcut.isEmpty()) {
        result->setShortcut(shortcut);
        result->setToolTip(caption + QStringLiteral(u"（") +
                           shortcut.toString(QKeySequence::NativeText) + QStringLiteral(u"）"));
    }
    return result;
}

} // namespace

// The window's own sheet: it keeps what the preparation sends, shows the title it is given in
// the title line, and ends the preparation with its closing repaint.
class PrintWindow::Preparation : public print::ReportSheet
{
public:
    explicit Preparation(PrintWindow& window) : window_(window) {}

    void setTitle(const QString& title) override
    {
        ReportSheet::setTitle(title);
        const QSignalBlocker quiet(window_.titleEdit_);
        window_.titleEdit_->setText(title);
    }
    void redrawAll() override { window_.finishPreparation(); }

private:
    PrintWindow& window_;
};

PrintWindow::PrintWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), printer_(QPrinter::HighResolution),
      preparation_(std::make_unique<Preparation>(*this))
{
    setObjectName(QStringLiteral("PrintWindow"));
    setWindowTitle(QStringLiteral(u"打印预览 - ") + defaultMessageTitle());
    printer_.setPageLayout(render::defaultPageLayout());
    printer_.setDocName(QStringLiteral(u"总课表"));
    buildLayout();
    titleTimer_.setSingleShot(true);
    titleTimer_.setInterval(TitlePauseMs);
    connect(&titleTimer_, &QTimer::timeout, this, &PrintWindow::refreshPreview);
    resize(1100, 680);
}

// The preview paints on the printer: it goes first.
PrintWindow::~PrintWindow()
{
    delete preview_;
}

void PrintWindow::buildLayout()
{
    auto* caption = new QLabel(QStringLiteral(u"标题："), this);
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setAccessibleName(QStringLiteral(u"标题"));
    caption->setBuddy(titleEdit_);
    connect(titleEdit_, &QLineEdit::textChanged, &titleTimer_, qOverload<>(&QTimer::start));
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(caption);
    titleRow->addWidget(titleEdit_, 1);

    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setAccessibleName(QStringLiteral(u"打印预览"));
    preview_->fitToWidth();
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { render::printSheets(*printer, sheets_, options()); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] {
        pageCountLabel_->setText(QStringLiteral(u"共 %1 页").arg(preview_->pageCount()));
    });

    auto* print = button(QStringLiteral(u"打印"), QKeySequence::Print, this);
    // A3 holds more days of a master timetable on a page; A4 splits them over more pages.
    paperChooser_ = new QComboBox(this);
    paperChooser_->addItems({QStringLiteral(u"A4 纸"), QStringLiteral(u"A3 纸")});
    paperChooser_->setAccessibleName(QStringLiteral(u"纸张"));
    paperChooser_->setToolTip(QStringLiteral(u"纸张大小（横向）"));
    connect(paperChooser_, &QComboBox::activated, this, &PrintWindow::choosePaper);
    auto* pageSetup = button(QStringLiteral(u"页面设置"), QKeySequence(), this);
    auto* pdf = button(QStringLiteral(u"另存为 PDF"), QKeySequence::Save, this);
    titleOnEveryPage_ = new QCheckBox(QStringLiteral(u"每页打印标题"), this);
    titleOnEveryPage_->setAccessibleName(titleOnEveryPage_->text());
    titleOnEveryPage_->setChecked(true);
    auto* zoomIn = button(QStringLiteral(u"放大"), QKeySequence::ZoomIn, this);
    auto* zoomOut = button(QStringLiteral(u"缩小"), QKeySequence::ZoomOut, this);
    pageCountLabel_ = new QLabel(this);
    auto* close = button(QStringLiteral(u"关闭"), QKeySequence(), this);
    connect(print, &QPushButton::clicked, this, &PrintWindow::printPages);
    connect(pageSetup, &QPushButton::clicked, this, &PrintWindow::setUpPage);
    connect(pdf, &QPushButton::clicked, this, &PrintWindow::saveAsPdfChosen);
    connect(titleOnEveryPage_, &QCheckBox::toggled, this, &PrintWindow::refreshPreview);
    connect(zoomIn, &QPushButton::clicked, preview_, [this] { preview_->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, preview_, [this] { preview_->zoomOut(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* commands = new QHBoxLayout;
    commands->addWidget(print);
    commands->addWidget(paperChooser_);
    commands->addWidget(pageSetup);
    commands->addWidget(pdf);
    commands->addWidget(titleOnEveryPage_);
    commands->addStretch(1);
    commands->addWidget(pageCountLabel_);
    commands->addWidget(zoomIn);
    commands->addWidget(zoomOut);
    commands->addSpacing(16);
    commands->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addWidget(preview_, 1);
    layout->addLayout(commands);
}

print::SheetCalls& PrintWindow::startPreparation()
{
    setEnabled(false);
    sheets_.clear();
    static_cast<print::ReportSheet&>(*preparation_) = print::ReportSheet();
    return *preparation_;
}

void PrintWindow::showWindow()
{
    show();
    raise();
    activateWindow();
}

void PrintWindow::finishPreparation()
{
    sheets_ = {static_cast<const print::ReportSheet&>(*preparation_)};
    setEnabled(true);
    refreshPreview();
    // Another document: from its first page, not where the last one was scrolled to.
    preview_->setCurrentPage(1);
}

void PrintWindow::showSheets(std::vector<print::ReportSheet> sheets, const QString& title)
{
    sheets_ = std::move(sheets);
    {
        const QSignalBlocker quiet(titleEdit_);
        titleEdit_->setText(title);
    }
    setEnabled(true);
    showWindow();
    refreshPreview();
    preview_->setCurrentPage(1);
}

const print::ReportSheet& PrintWindow::sheet() const
{
    static const print::ReportSheet none;
    return sheets_.empty() ? none : sheets_.front();
}

render::PrintOptions PrintWindow::options() const
{
    return {titleEdit_->text(), titleOnEveryPage_->isChecked(), false};
}

int PrintWindow::pageCount() const
{
    return render::SheetDocument(sheets_, printer_.pageLayout(), options()).pageCount();
}

void PrintWindow::setDocumentName(const QString& name)
{
    printer_.setDocName(name);
}

void PrintWindow::setFolder(const QString& folder)
{
    folder_ = folder;
}

void PrintWindow::choosePaper(int index)
{
    printer_.setPageLayout(
        render::pageLayoutOn(index == 1 ? render::Paper::A3 : render::Paper::A4));
    refreshPreview();
}

// The chooser follows the page setup's paper; another size shows as neither.
void PrintWindow::showPaper()
{
    const QPageSize::PageSizeId paper = printer_.pageLayout().pageSize().id();
    paperChooser_->setCurrentIndex(paper == QPageSize::A4 ? 0 : paper == QPageSize::A3 ? 1 : -1);
}

QString PrintWindow::offeredPdfFile() const
{
    const QString title = titleEdit_->text().trimmed();
    return QDir(folder_).filePath(render::pdfFileName(
        title.isEmpty() ? printer_.docName() : title + u' ' + printer_.docName()));
}

void PrintWindow::refreshPreview()
{
    titleTimer_.stop();
    preview_->updatePreview();
}

void PrintWindow::setPrinterChooser(std::function<bool(QPrinter&)> chooser)
{
    printerChooser_ = std::move(chooser);
}

bool PrintWindow::choosePrinter()
{
    if (printerChooser_)
        return printerChooser_(printer_);
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral(u"打印"));
    // Printing into a file is offered in the school's folder, not the home folder the dialog
    // takes by itself; its file field has this name in Qt's own dialog.
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        file->setText(offeredPdfFile());
    return dialog.exec() == QDialog::Accepted;
}

void PrintWindow::printPages()
{
    if (!choosePrinter())
        return;
    // 打印到文件: the printer would truncate the file first and never tell a failed write;
    // the PDF is written the way 另存为 PDF writes it, replacing the file only when complete.
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty()) {
        saveAsPdf(printer_.outputFileName());
        return;
    }
    if (!render::printSheets(printer_, sheets_, options()))
        QMessageBox::warning(this, defaultMessageTitle(),
                             QStringLiteral(u"无法打印：打印机没有准备好。"));
    refreshPreview();
}

void PrintWindow::setUpPage()
{
    QPageSetupDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral(u"页面设置"));
    if (dialog.exec() == QDialog::Accepted) {
        showPaper();
        refreshPreview();
    }
}

void PrintWindow::setPdfFileChooser(std::function<QString()> chooser)
{
    pdfFileChooser_ = std::move(chooser);
}

QString PrintWindow::choosePdfFile()
{
    QFileDialog dialog(this, QStringLiteral(u"另存为 PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral(u"PDF 文件 (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(folder_);
    dialog.selectFile(offeredPdfFile());
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
}

void PrintWindow::saveAsPdfChosen()
{
    const QString path = pdfFileChooser_ ? pdfFileChooser_() : choosePdfFile();
    if (!path.isEmpty())
        saveAsPdf(path);
}

bool PrintWindow::saveAsPdf(const QString& path)
{
    const QString reason = render::writePdfFile(path, sheets_, printer_.pageLayout(), options(),
                                                {titleEdit_->text(), defaultMessageTitle()});
    if (reason.isEmpty())
        return true;
    QMessageBox::warning(
        this, defaultMessageTitle(),
        QStringLiteral(u"无法保存 PDF 文件：\n%1\n%2").arg(fileio::shownPath(path), reason));
    return false;
}

} // namespace orve::ui
