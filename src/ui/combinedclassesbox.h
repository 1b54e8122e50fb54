// The combined-class controls of the special-conditions tab: the tree Tr3 of groups, the
// combined-lesson list Combo3, the group-number field Text7 and the buttons Command5 "确定"
// and Command6 "删除".
#pragma once

#include "fixedlessonsbox.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class NumericGuardFilter;

class CombinedClassesBox : public QWidget
{
    Q_OBJECT

public:
    CombinedClassesBox(Workspace& ws, FixedLessonsBox::UiPortSource ui, NumericGuardFilter* guard,
                       QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QComboBox* combinedList() const { return combo3_; }
    QLineEdit* groupNumber() const { return text7_; }
    QPushButton* addButton() const { return command5_; }
    QPushButton* removeButton() const { return command6_; }

    // Shows the tree and the combined-lesson list as the workspace holds them.
    void refresh();

private:
    void refreshTree();
    void refreshList();
    int selectedNode() const;

    Workspace& ws_;
    FixedLessonsBox::UiPortSource ui_;
    QTreeWidget* tree_;
    QComboBox* combo3_;
    QLineEdit* text7_;
    QPushButton* command5_;
    QPushButton* command6_;
};

} // namespace orve::ui
