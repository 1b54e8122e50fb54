#include "schoolcontroller.h"

#include "pages/basicspage.h"
#include "grid/gridview.h"
#include "mainwindow.h"
#include "model/grid.h"
#include "model/weekstructure.h"
#include "pages/namespanel.h"
#include "pages/planpage.h"
#include "school/namelistcommands.h"
#include "school/plancellpress.h"
#include "school/plancommands.h"
#include "school/teachingplan.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace orve::ui {

using school::NameList;

SchoolController::SchoolController(MainWindow& window)
    : QObject(&window), window_(window), ws_(window.workspace()), ui_(window.uiPort()),
      names_(window.basicsPage()->namesPanel()), plan_(window.planPage())
{
    connectMenu();
    connectNames();
    connectPlan();
    followWorkspace();
}

void SchoolController::followWorkspace()
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

template <typename Command>
void SchoolController::runOnNames(Command command)
{
    command(ws_, ui_);
}

void SchoolController::connectMenu()
{
    const auto on = [this](const char* name, auto command) {
        connect(window_.action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, command] { runOnNames(command); });
    };
    on("classList", school::showClassList);
    on("courseList", school::showCourseList);
    on("teacherList", school::showTeacherList);
    on("venueList", school::showVenueList);
    on("mainCourses", school::showMainCourses);
    connect(window_.action(QStringLiteral("teachingPlan")), &QAction::triggered, this,
            &SchoolController::runShowTeachingPlan);
    connect(&window_, &MainWindow::tabClicked, this, [this](int index) {
        if (index == int(MainTab::TeachingPlan))
            runShowTeachingPlan();
    });
}

void SchoolController::connectNames()
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

void SchoolController::connectPlan()
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
    connect(plan_->classStepper(), &SpinButtons::stepped, this,
            &SchoolController::stepClassFinder);
    connect(plan_, &PlanPage::viewResized, this, [this] {
        model::RedrawSuspender suspended(ws_.school.plan);
        school::setPlanHeader(ws_.school.plan);
    });
}

void SchoolController::runShowTeachingPlan()
{
    school::showTeachingPlan(ws_, ui_);
}

void SchoolController::stepClassFinder(int delta)
{
    SpinButtons* stepper = plan_->classStepper();
    stepper->setRange(0, std::max(plan_->classFinder()->count() - 1, 0));
    const QString text5 = model::spinStep(plan_->classNumber()->text(), delta,
                                          stepper->minimum(), stepper->maximum());
    plan_->classNumber()->setText(text5);
    const int position = school::classStepPosition(ws_, text5);
    if (position < 0)
        return;
    plan_->classFinder()->setCurrentIndex(position);
    scrollTo(plan_->classFinder()->itemText(position));
}

void SchoolController::scrollTo(const QString& className)
{
    school::scrollToClass(ws_, ui_, className);
}

} // namespace orve::ui
