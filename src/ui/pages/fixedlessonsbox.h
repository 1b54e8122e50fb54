// The fixed-lesson editor of the special-conditions tab under the label "固定课程设置与列表":
// the class chooser Combo4 with Text10 and UpDown9, the grid msgrid1 (one class's entries,
// row = period, column = day), the course chooser Combo11 shown beside a clicked empty cell,
// and the list Combo6. Every action calls a core command and then shows the core's state.
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
    QComboBox* classChooser() const { return combo4_; }
    QComboBox* courseChooser() const { return combo11_; }
    QComboBox* entryList() const { return combo6_; }
    QLineEdit* classIndexField() const { return text10_; }
    SpinButtons* classStepper() const { return upDown9_; }

    // Shows the choosers, the course chooser's place and the list as the core holds them.
    void refresh();

private:
    void placeCourseChooser();

    Workspace& ws_;
    UiPort& ui_;
    QComboBox* combo4_;
    QLineEdit* text10_;
    SpinButtons* upDown9_;
    GridView* view_;
    QComboBox* combo11_;
    QComboBox* combo6_;
};

} // namespace orve::ui
