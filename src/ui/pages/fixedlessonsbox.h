// The fixed-lesson editor of the special-conditions tab under the label "固定课程设置与列表":
// the class chooser with its index field and stepper, the grid of one class's entries (row =
// period, column = day), the course chooser shown beside a clicked empty cell, and the list of
// fixed lessons. Every action calls a core command and then shows the core's state.
#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

class GridView;
class SpinButtons;

class FixedLessonsBox : public QWidget
{
    Q_OBJECT

public:
    // The grid is shown at a fixed size: its on-screen size lays out its rows and columns.
    static constexpr QSize GridSize{600, 330};

    FixedLessonsBox(Workspace& ws, UiPort& ui, QWidget* parent = nullptr);

    GridView* view() const { return view_; }
    QComboBox* classChooser() const { return classChooser_; }
    QComboBox* courseChooser() const { return courseChooser_; }
    QComboBox* entryList() const { return entryList_; }
    QLineEdit* classIndexField() const { return classIndexField_; }
    SpinButtons* classStepper() const { return classStepper_; }

    // Shows the choosers, the course chooser's place and the list as the core holds them.
    void refresh();

private:
    void placeCourseChooser();

    Workspace& ws_;
    UiPort& ui_;
    QComboBox* classChooser_;
    QLineEdit* classIndexField_;
    SpinButtons* classStepper_;
    GridView* view_;
    QComboBox* courseChooser_;
    QComboBox* entryList_;
};

} // namespace orve::ui
