// 文件 → 导入...: a spreadsheet read into the lists and the teaching plan. The dialog shows the
// file, its worksheet (Excel workbooks) and its encoding (CSV, found from the bytes unless the
// user picks one), the shape found from the header row, which the user may change, and the
// preview of every row: its outcome, why it is refused, and the counts. Nothing changes until
// 导入, which the caller applies as one change of the school.
#pragma once

#include "import/importpreview.h"
#include "table/sheetfile.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace orve {
class UiPort;
}

namespace orve::ui {

class ImportPreviewModel;

class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // `school` is the open school, which the preview imports into a copy of; `ui` asks for
    // another file, starting in `folder`.
    ImportDialog(const model::School& school, UiPort& ui, QString folder,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    // Asks for a file (the sheets the import reads) and opens it; nothing changes when the
    // user cancels.
    void chooseFile();
    // Reads the file, with its first worksheet and the encoding its bytes show, and previews it.
    void openFile(const QString& path);
    QString fileName() const { return path_; }

    const exchange::ImportPreview& preview() const { return preview_; }
    QLabel* summary() const { return summary_; }
    QTableView* previewTable() const { return table_; }
    QPushButton* importButton() const { return import_; }

private:
    void readFile();
    void showPreview();
    void showSheetChoices();
    QString summaryText() const;

    const model::School& school_;
    UiPort& ui_;
    QString folder_;
    QString path_;
    exchange::SheetRead read_;
    exchange::SheetOptions options_;
    std::optional<exchange::SheetShape> chosenShape_; // none: as the header row shows
    exchange::ImportPreview preview_;

    QLineEdit* file_;
    QComboBox* sheet_;
    QComboBox* encoding_;
    QComboBox* shape_;
    QLabel* summary_;
    QTableView* table_;
    ImportPreviewModel* model_;
    QPushButton* import_;
};

} // namespace orve::ui
