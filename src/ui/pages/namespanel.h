// The name lists on the first tab: the class, course, teacher and venue lists stacked with the
// active one in front, the heading and list title, the name entry field and the buttons
// "确定", "插入", "重命名", "删除". It shows the workspace; the school controller runs commands.
#pragma once

#include "school/namelist.h"

#include <QGroupBox>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class NamesPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit NamesPanel(QWidget* parent = nullptr);

    QListWidget* list(school::NameList list) const;
    QLineEdit* entry() const { return entry_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* insertButton() const { return insertButton_; }
    QPushButton* renameButton() const { return renameButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QLabel* heading() const { return heading_; }
    QLabel* listTitle() const { return listTitle_; }

    // Shows the lists, their selections, the labels and the entry field as the workspace has them.
    void refresh(const Workspace& ws);

signals:
    // The user picked an entry of a list (click or keyboard).
    void entryPicked(school::NameList list, int index);

private:
    QLabel* heading_;
    QLabel* listTitle_;
    QStackedWidget* stack_;
    std::array<QListWidget*, 4> lists_{};
    QLineEdit* entry_;
    QPushButton* addButton_;
    QPushButton* insertButton_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
};

} // namespace orve::ui
