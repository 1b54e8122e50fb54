#include "schoolcommands.h"

#include "commandcontext.h"
#include "grid/gridview.h"
#include "model/grid.h"
#include "model/weekstructure.h"
#include "pages/basicspage.h"
#include "pages/namespanel.h"
#include "pages/planpage.h"
#include "pages/weekfieldsbox.h"
#include "school/namelistcommands.h"
#include "school/plancellpress.h"
#include "school/plancommands.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "uiport.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace orve::ui {

using school::NameList;

SchoolCommands::SchoolCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), names_(context.views.basics->namesPanel()),
      plan_(context.views.plan)
{
    connectMenu(context);
    connectNames();
    connectPlan();
    connectWeekFields(context);
    followWorkspace();
}

void SchoolCommands::followWorkspace()
{
    const Notifier& notifier = ws_.notifier;
    const auto showNames = [this] { names_->refresh(ws_); };
    const auto showChoosers = [this] { plan_->showChooserEntries(ws_); };
    for (const auto signal :
         {&Notifier::listsChanged, &Notifier::namesEditorChanged, &Notifier::schoolReplaced})
        connect(&notifier, signal, this, showNames);
    for (const auto signal : {&Notifier::planEditorChanged, &Notifier::schoolReplaced})
        connect(&notifier, signal, this, showChoosers);
    // A new school is seen from its first columns, once New or Open has finished with it.
    connect(&notifier, &Notifier::schoolReplaced, plan_->view(), &GridView::scrollToOrigin,
            Qt::QueuedConnection);
}

template <typename Command> void SchoolCommands::runOnNames(Command command)
{
    command(ws_, ui_);
}

void SchoolCommands::connectMenu(const CommandContext& context)
{
    const Actions& actions = context.actions;
    const auto on = [this](QAction* action, auto command) {
        bindAction(action, this, [this, command] { runOnNames(command); });
    };
    on(actions.classList, school::showClassList);
    on(actions.courseList, school::showCourseList);
    on(actions.teacherList, school::showTeacherList);
    on(actions.venueList, school::showVenueList);
    on(actions.mainCourses, school::showMainCourses);
    bindAction(actions.teachingPlan, this, &SchoolCommands::runShowTeachingPlan);
    bindTabClick(context.views, int(MainTab::TeachingPlan), this,
                 [this] { runShowTeachingPlan(); });
}

void SchoolCommands::connectNames()
{
    connect(names_->addButton(), &QPushButton::clicked, this,
            [this] { runOnNames(school::addName); });
    connect(names_->entry(), &QLineEdit::returnPressed, this,
            [this] { runOnNames(school::addName); });
    connect(names_->insertButton(), &QPushButton::clicked, this,
            [this] { runOnNames(school::insertName); });
    connect(names_->renameButton(), &QPushButton::clicked, this,
            [this] { runOnNames(school::renameName); });
    connect(names_->deleteButton(), &QPushButton::clicked, this,
            [this] { runOnNames(school::deleteName); });
    connect(names_->entry(), &QLineEdit::textChanged, this,
            [this](const QString& text) { ws_.editor.names.entry = text; });
    connect(names_, &NamesPanel::entryPicked, this,
            [this](NameList list, int index) { school::selectName(ws_, list, index); });
}

void SchoolCommands::connectPlan()
{
    connect(plan_->view(), &GridView::cellPressed, this,
            [this](int row, int column, Qt::MouseButton, Qt::KeyboardModifiers modifiers) {
                plan_->showChooser(school::pressPlanCell(ws_, row, column, modifiers));
            });
    connect(plan_, &PlanPage::chooserPicked, this,
            [this](school::PlanChooser chooser, const QString& text) {
                plan_->chooser(chooser)->hide();
                school::pickChooser(ws_, ui_, chooser, text);
            });
    connect(plan_->classFinder(), &QComboBox::activated, this,
            [this](int index) { scrollTo(plan_->classFinder()->itemText(index)); });
    connect(plan_->classStepper(), &SpinButtons::stepped, this, &SchoolCommands::stepClassFinder);
    connect(plan_, &PlanPage::viewResized, this, [this] {
        model::RedrawSuspender suspended(ws_.school.plan);
        school::setPlanHeader(ws_.school.plan);
    });
}

void SchoolCommands::connectWeekFields(const CommandContext& context)
{
    connect(context.views.basics->weekFields(), &WeekFieldsBox::stepRequested, this,
            [this](int field, const QString& text) {
                school::stepWeekField(ws_, ui_, model::WeekField(field), text);
            });
}

void SchoolCommands::runShowTeachingPlan()
{
    school::showTeachingPlan(ws_, ui_);
}

void SchoolCommands::stepClassFinder(int delta)
{
    SpinButtons* stepper = plan_->classStepper();
    stepper->setRange(0, std::max(plan_->classFinder()->count() - 1, 0));
    const QString classNumber = model::spinStep(plan_->classNumber()->text(), delta,
                                                stepper->minimum(), stepper->maximum());
    plan_->classNumber()->setText(classNumber);
    const int position = school::classStepPosition(ws_, classNumber);
    if (position < 0)
        return;
    plan_->classFinder()->setCurrentIndex(position);
    scrollTo(plan_->classFinder()->itemText(position));
}

void SchoolCommands::scrollTo(const QString& className)
{
    school::scrollToClass(ws_, ui_, className);
}

} // namespace orve::ui
