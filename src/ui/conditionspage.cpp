#include "conditionspage.h"

#include "combinedclassesbox.h"
#include "conditions/combinedclasses.h"
#include "conditions/fixedlessons.h"

#include <QHBoxLayout>

namespace orve::ui {

ConditionsPage::ConditionsPage(Workspace& ws, NumericGuardFilter* guard,
                               FixedLessonsBox::UiPortSource ui, QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(std::move(ui)),
      combined_(new CombinedClassesBox(ws, ui_, guard, this)),
      fixed_(new FixedLessonsBox(ws, ui_, this))
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(combined_, 1);
    layout->addSpacing(12);
    layout->addWidget(fixed_, 0, Qt::AlignTop);
}

void ConditionsPage::runPrepareFixedLessons()
{
    conditions::prepareFixedLessons(ws_, ui_());
}

void ConditionsPage::runShowCombinedClasses()
{
    conditions::showCombinedClasses(ws_, ui_());
}

} // namespace orve::ui
