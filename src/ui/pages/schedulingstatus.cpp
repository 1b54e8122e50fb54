#include "schedulingstatus.h"

#include "scheduler/schedulingrun.h"
#include "workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace orve::ui {

SchedulingStatusPanel::SchedulingStatusPanel(const Workspace& ws, QWidget* parent)
    : QWidget(parent), ws_(ws), label7_(new QLabel(scheduler::ThinkingText, this)),
      label9_(new QLabel(this)), combo2_(new QComboBox(this))
{
    setObjectName(QStringLiteral("SchedulingStatus"));
    label7_->setObjectName(QStringLiteral("Label7"));
    label9_->setObjectName(QStringLiteral("Label9"));
    combo2_->setObjectName(QStringLiteral("Combo2"));
    QFont thinking = label7_->font();
    thinking.setBold(true);
    thinking.setPointSize(thinking.pointSize() + 2);
    label7_->setFont(thinking);
    label7_->hide();
    combo2_->setMinimumContentsLength(24);
    combo2_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo2_->setToolTip(QStringLiteral(u"排课后仍未消除的重课"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label7_);
    layout->addWidget(label9_);
    layout->addStretch(1);
    layout->addWidget(combo2_);
    for (const auto signal : {&Notifier::conflictsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &SchedulingStatusPanel::showConflicts);
}

void SchedulingStatusPanel::showConflicts()
{
    const QStringList& entries = ws_.session.conflicts;
    combo2_->clear();
    combo2_->addItems(entries);
    combo2_->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

} // namespace orve::ui
