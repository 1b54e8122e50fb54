// The combined-class controls of the special-conditions tab: the tree of groups, the list of
// combined lessons, the group-number field and the buttons "确定" and "删除".
#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

class NumericGuardFilter;

class CombinedClassesBox : public QWidget
{
    Q_OBJECT

public:
    CombinedClassesBox(Workspace& ws, UiPort& ui, NumericGuardFilter* guard,
                       QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QComboBox* combinedList() const { return combinedLessons_; }
    QLineEdit* groupNumber() const { return groupNumber_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* removeButton() const { return removeButton_; }

    // Shows the tree and the combined-lesson list as the workspace holds them.
    void refresh();

private:
    void refreshTree();
    void refreshList();
    int selectedNode() const;

    Workspace& ws_;
    UiPort& ui_;
    QTreeWidget* tree_;
    QComboBox* combinedLessons_;
    QLineEdit* groupNumber_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
};

} // namespace orve::ui
