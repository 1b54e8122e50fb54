// Tab 2 "特殊条件考虑": the combined-class groups on the left, the fixed-lesson editor on the
// right.
#pragma once

#include "fixedlessonsbox.h"

#include <QWidget>

namespace orve::ui {

class CombinedClassesBox;
class GridView;
class NumericGuardFilter;

class ConditionsPage : public QWidget
{
    Q_OBJECT

public:
    ConditionsPage(Workspace& ws, UiPort& ui, NumericGuardFilter* guard, QWidget* parent = nullptr);

    CombinedClassesBox* combinedClasses() const { return combined_; }
    FixedLessonsBox* fixedLessons() const { return fixed_; }
    GridView* view() const { return fixed_->view(); }

private:
    CombinedClassesBox* combined_;
    FixedLessonsBox* fixed_;
};

} // namespace orve::ui
