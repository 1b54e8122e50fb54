// Tab 2 "特殊条件考虑": the combined-class groups on the left, the fixed-lesson editor on the
// right. It runs the commands of the menu 特殊条件考虑 and shows the tables again whenever it
// comes into view, since the plan tab and the file commands change them too.
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
    ConditionsPage(Workspace& ws, NumericGuardFilter* guard, FixedLessonsBox::UiPortSource ui,
                   QWidget* parent = nullptr);

    CombinedClassesBox* combinedClasses() const { return combined_; }
    FixedLessonsBox* fixedLessons() const { return fixed_; }
    GridView* view() const { return fixed_->view(); }

    // The menu commands prepareFixedLessons (also a click on this tab) and showCombinedClasses.
    void runPrepareFixedLessons();
    void runShowCombinedClasses();

private:
    Workspace& ws_;
    FixedLessonsBox::UiPortSource ui_;
    CombinedClassesBox* combined_;
    FixedLessonsBox* fixed_;
};

} // namespace orve::ui
