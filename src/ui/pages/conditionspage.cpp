#include "conditionspage.h"

#include "combinedclassesbox.h"

#include <QHBoxLayout>

namespace orve::ui {

ConditionsPage::ConditionsPage(Workspace& ws, UiPort& ui, NumericGuardFilter* guard,
                               QWidget* parent)
    : QWidget(parent), combined_(new CombinedClassesBox(ws, ui, guard, this)),
      fixed_(new FixedLessonsBox(ws, ui, this))
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(combined_, 1);
    layout->addSpacing(12);
    layout->addWidget(fixed_, 0, Qt::AlignTop);
}

} // namespace orve::ui
