#include "importdialog.h"

#include "importpreviewmodel.h"
#include "platform/busycursor.h"
#include "widgets/accessiblenames.h"

#include "fileio/filemessages.h"
#include "import/sheetimport.h"
#include "uiport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace orve::ui {

namespace {

using exchange::RowOutcome;
using exchange::SheetShape;
using exchange::TextEncoding;

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ImportDialog::ImportDialog(const model::School& school, UiPort& ui, QString folder,
                           QWidget* parent)
    : QDialog(parent), school_(school), ui_(ui), folder_(std::move(folder)),
      file_(new QLineEdit(this)), sheet_(new QComboBox(this)), encoding_(new QComboBox(this)),
      shape_(new QComboBox(this)), summary_(new QLabel(this)), table_(new QTableView(this)),
      model_(new ImportPreviewModel(this)), import_(new QPushButton(QStringLiteral(u"导入(&I)")))
{
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(QStringLiteral(u"导入"));

    file_->setReadOnly(true);
    nameControl(file_, "importFile", QStringLiteral(u"要导入的文件"));
    auto* browse = new QPushButton(QStringLiteral(u"浏览(&B)..."), this);
    nameControl(browse, "chooseImportFile", QStringLiteral(u"选择要导入的文件"));
    nameControl(sheet_, "importSheet", QStringLiteral(u"工作表"));
    nameControl(encoding_, "importEncoding", QStringLiteral(u"文字编码"));
    encoding_->addItem(QStringLiteral(u"自动识别"));
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Gbk, TextEncoding::Utf16})
        encoding_->addItem(exchange::encodingName(encoding), int(encoding));
    nameControl(shape_, "importShape", QStringLiteral(u"表格格式"));
    for (const SheetShape shape : {SheetShape::Names, SheetShape::Plan, SheetShape::Grid})
        shape_->addItem(exchange::shapeName(shape), int(shape));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    nameControl(summary_, "importSummary", QStringLiteral(u"导入预览的统计"));

    table_->setModel(model_);
    nameControl(table_, "importPreview", QStringLiteral(u"导入预览：每一行的结果和原因"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons, as in every other dialog.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(ImportPreviewModel::SheetRow, 56);
    table_->setColumnWidth(ImportPreviewModel::Subject, 220);
    table_->setColumnWidth(ImportPreviewModel::Outcome, 64);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(import_, QDialogButtonBox::AcceptRole);
    nameControl(import_, "importButton", QStringLiteral(u"导入"));
    QPushButton* cancel = buttons->addButton(QStringLiteral(u"取消"), QDialogButtonBox::RejectRole);
    nameControl(cancel, "cancelImport", QStringLiteral(u"取消"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(buddyLabel(QStringLiteral(u"文件(&F)："), file_, this), 0, 0);
    layout->addWidget(file_, 0, 1, 1, 4);
    layout->addWidget(browse, 0, 5);
    layout->addWidget(buddyLabel(QStringLiteral(u"工作表(&S)："), sheet_, this), 1, 0);
    layout->addWidget(sheet_, 1, 1);
    layout->addWidget(buddyLabel(QStringLiteral(u"编码(&E)："), encoding_, this), 1, 2);
    layout->addWidget(encoding_, 1, 3);
    layout->addWidget(buddyLabel(QStringLiteral(u"格式(&T)："), shape_, this), 1, 4);
    layout->addWidget(shape_, 1, 5);
    layout->addWidget(summary_, 2, 0, 1, 6);
    layout->addWidget(table_, 3, 0, 1, 6);
    layout->addWidget(buttons, 4, 0, 1, 6);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    resize(820, 560);

    connect(browse, &QPushButton::clicked, this, &ImportDialog::chooseFile);
    connect(sheet_, &QComboBox::activated, this, [this] {
        options_.sheetName = sheet_->currentText();
        readFile();
    });
    connect(encoding_, &QComboBox::activated, this, [this] {
        const QVariant encoding = encoding_->currentData();
        options_.encoding = encoding.isValid() ? std::optional(TextEncoding(encoding.toInt()))
                                               : std::nullopt;
        readFile();
    });
    connect(shape_, &QComboBox::activated, this, [this] {
        chosenShape_ = SheetShape(shape_->currentData().toInt());
        showPreview();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    nameForScreenReaders(this);
    showPreview();
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::openFile(const QString& path)
{
    path_ = path;
    options_ = {};
    chosenShape_.reset();
    file_->setText(fileio::shownPath(path));
    readFile();
}

void ImportDialog::chooseFile()
{
    FileDialogRequest request;
    request.title = QStringLiteral(u"导入");
    request.filter = QStringLiteral(u"表格文件 (*.csv *.xlsx *.xls);;所有文件 (*.*)");
    request.startFolder = path_.isEmpty() ? folder_ : QFileInfo(path_).absolutePath();
    request.confirmOverwrite = false;
    const QString path = ui_.openFileName(request);
    if (!path.isEmpty())
        openFile(path);
}

void ImportDialog::readFile()
{
    const BusyCursor busy;
    read_ = exchange::readSheetFile(path_, options_);
    showSheetChoices();
    showPreview();
}

void ImportDialog::showSheetChoices()
{
    sheet_->clear();
    sheet_->addItems(read_.sheetNames);
    sheet_->setCurrentText(read_.sheetName);
    sheet_->setEnabled(!read_.sheetNames.isEmpty());
    // A workbook's cells are text already; only CSV bytes have an encoding to choose.
    encoding_->setEnabled(!path_.isEmpty() && read_.sheetNames.isEmpty());
    encoding_->setItemText(0, !options_.encoding && read_.encoding
                                  ? QStringLiteral(u"自动识别（%1）")
                                        .arg(exchange::encodingName(*read_.encoding))
                                  : QStringLiteral(u"自动识别"));
    encoding_->setCurrentIndex(
        options_.encoding ? encoding_->findData(int(*options_.encoding)) : 0);
}

void ImportDialog::showPreview()
{
    if (path_.isEmpty() || !read_.ok()) {
        preview_ = {};
        preview_.error = read_.error;
    } else {
        preview_ = exchange::previewImport(school_, read_.table, chosenShape_);
    }
    model_->setRows(preview_.rows);
    const bool previewed = !path_.isEmpty() && read_.ok();
    shape_->setEnabled(previewed);
    shape_->setCurrentIndex(shape_->findData(int(preview_.shape)));
    summary_->setText(summaryText());
    import_->setEnabled(previewed && preview_.error.isEmpty() && preview_.changesSchool());
}

QString ImportDialog::summaryText() const
{
    if (path_.isEmpty())
        return QStringLiteral(u"请选择要导入的 CSV 或 Excel 表格文件。");
    if (!preview_.error.isEmpty())
        return preview_.error;
    const QString how = chosenShape_ ? QStringLiteral(u"按“%1”读取") : QStringLiteral(u"识别为“%1”");
    QString text = how.arg(exchange::shapeName(preview_.shape)) +
                   QStringLiteral(u"，表头在第 %1 行。新增 %2 行，更新 %3 行，不变 %4 行，拒绝 %5 行。")
                       .arg(preview_.headerRow)
                       .arg(preview_.count(RowOutcome::Added))
                       .arg(preview_.count(RowOutcome::Updated))
                       .arg(preview_.count(RowOutcome::Unchanged))
                       .arg(preview_.count(RowOutcome::Refused));
    if (!preview_.changesSchool())
        text += QStringLiteral(u"没有可导入的内容。");
    else if (preview_.count(RowOutcome::Refused) > 0)
        text += QStringLiteral(u"被拒绝的行不导入。");
    return text;
}

} // namespace orve::ui
