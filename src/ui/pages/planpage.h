// Tab 1 "设置教学计划": the teaching plan with its choosers laid over the pressed cell
// (teachers, period counts, venues, the class whose plan to copy) and the class finder with
// its number field and stepper. It shows what the core
// asks for; the school controller runs the commands.
#pragma once

#include "school/plancellpress.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace orve {
struct Workspace;
}

namespace orve::model {
class Grid;
}

namespace orve::ui {

class GridView;
class SpinButtons;

class PlanPage : public QWidget
{
    Q_OBJECT

public:
    explicit PlanPage(model::Grid& plan, QWidget* parent = nullptr);

    GridView* view() const { return view_; }
    // The chooser of that kind; null for None.
    QComboBox* chooser(school::PlanChooser chooser) const;
    QComboBox* classFinder() const { return classFinder_; }
    QLineEdit* classNumber() const { return classNumber_; }
    SpinButtons* classStepper() const { return classStepper_; }

    // Shows the requested chooser over its cell and hides the others (all for None).
    void showChooser(const school::ChooserRequest& request);
    void hideChoosers();
    // Takes over the entries showTeachingPlan put into the workspace.
    void showChooserEntries(const Workspace& ws);

signals:
    void chooserPicked(school::PlanChooser chooser, const QString& text);
    // The table's size changed, so the column widths that follow it are due again.
    void viewResized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* makeChooser(const char* name, const char16_t* spoken, school::PlanChooser kind);
    void onCurrentCellChanged(int row, int column);

    GridView* view_;
    QComboBox* teacherChooser_;
    QComboBox* periodsChooser_;
    QComboBox* venueChooser_;
    QComboBox* copyPlanChooser_;
    QComboBox* classFinder_;
    QLineEdit* classNumber_;
    SpinButtons* classStepper_;
    // The cell the shown chooser lies over.
    int chooserRow_ = -1;
    int chooserColumn_ = -1;
};

} // namespace orve::ui
