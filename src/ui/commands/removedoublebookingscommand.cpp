#include "removedoublebookingscommand.h"

#include "commandcontext.h"

#include "optimiser/optimisecommand.h"
#include "scheduler/randomsource.h"
#include "uiport.h"
#include "workspace.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orve::ui {

namespace {

// The progress dialog as the run's listener: the figures now, and its cancel button.
class DialogProgress : public optimiser::Progress
{
public:
    DialogProgress(QProgressDialog& dialog, UiPort& ui) : dialog_(dialog), ui_(ui) {}

    bool carryOn(int doubleBookings, int unplacedPeriods, int percentDone) override
    {
        dialog_.setLabelText(QStringLiteral(u"正在消除重课……\n剩余重课：%1 处　未排入的课：%2 节")
                                 .arg(doubleBookings)
                                 .arg(unplacedPeriods));
        dialog_.setValue(std::clamp(percentDone, 0, 99));
        ui_.processEvents();
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog& dialog_;
    UiPort& ui_;
};

} // namespace

RemoveDoubleBookingsCommand::RemoveDoubleBookingsCommand(const CommandContext& context,
                                                         QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), window_(context.views.window)
{
    setObjectName(QStringLiteral("removeDoubleBookingsCommand"));
    askOptions = [this](bool& allow) { return showOptionsDialog(allow); };
    bindAction(context.actions.removeDoubleBookings, this, &RemoveDoubleBookingsCommand::run);
}

bool RemoveDoubleBookingsCommand::showOptionsDialog(bool& allowMainAfternoon)
{
    QDialog dialog(window_);
    dialog.setWindowTitle(optimiser::RemoveDoubleBookingsCaption);
    dialog.setAccessibleName(optimiser::RemoveDoubleBookingsCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(
        QStringLiteral(u"在课程总表中调动课程，尽量消除重课，并排入尚未排入的课。\n"
                       u"各班各门课的节数、固定课、“空课”和合班课保持不变；"
                       u"上午的主课只在上午之间调动。\n整个调整作为一步记录，可以整体撤销。"),
        &dialog);
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 80);
    layout->addWidget(text);
    auto* allow = new QCheckBox(optimiser::AllowMainAfternoonCaption, &dialog);
    allow->setObjectName(QStringLiteral("allowMainAfternoon"));
    allow->setAccessibleName(optimiser::AllowMainAfternoonCaption);
    allow->setToolTip(QStringLiteral(u"只有当主课的教师在原节次重课、而在新节次空闲时，"
                                     u"这节主课才可以移出上午。"));
    allow->setChecked(allowMainAfternoon);
    layout->addWidget(allow);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* start = buttons->addButton(QStringLiteral(u"开始"), QDialogButtonBox::AcceptRole);
    start->setAccessibleName(QStringLiteral(u"开始消除重课"));
    buttons->addButton(QStringLiteral(u"取消"), QDialogButtonBox::RejectRole)
        ->setAccessibleName(QStringLiteral(u"取消"));
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    allowMainAfternoon = allow->isChecked();
    return true;
}

void RemoveDoubleBookingsCommand::run()
{
    oneAtATime_.run([this] { runOnce(); });
}

void RemoveDoubleBookingsCommand::runOnce()
{
    bool allow = options.allowMainAfternoon;
    if (!askOptions(allow))
        return;
    options.allowMainAfternoon = allow;
    if (!fixedSeed)
        options.seed = scheduler::SeededRandom::clockSeed();
    ui_.showTab(MainTab::Scheduling);
    const optimiser::OptimiseOutcome outcome = optimiseWithProgress();
    ui_.message(optimiser::outcomeMessage(outcome, options), MessageButtons::Ok, {},
                MessageIcon::Information);
}

// The progress dialog is gone before the closing message comes: a screen reader finds only
// the message.
optimiser::OptimiseOutcome RemoveDoubleBookingsCommand::optimiseWithProgress()
{
    QProgressDialog dialog(window_);
    dialog.setWindowTitle(optimiser::RemoveDoubleBookingsCaption);
    dialog.setAccessibleName(QStringLiteral(u"消除重课进度"));
    dialog.setLabelText(QStringLiteral(u"正在消除重课……"));
    dialog.setCancelButtonText(QStringLiteral(u"取消"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(200);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setRange(0, 100);
    DialogProgress progress(dialog, ui_);
    return optimiser::removeDoubleBookings(ws_, options, &progress);
}

} // namespace orve::ui
