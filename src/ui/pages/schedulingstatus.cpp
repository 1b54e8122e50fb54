#include "schedulingstatus.h"

#include "scheduler/schedulingrun.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace orve::ui {

SchedulingStatusPanel::SchedulingStatusPanel(const Workspace& ws, QWidget* parent)
    : QWidget(parent), ws_(ws), thinkingLabel_(new QLabel(scheduler::ThinkingText, this)),
      progressLabel_(new QLabel(this)), conflictList_(new QComboBox(this))
{
    setObjectName(QStringLiteral("schedulingStatus"));
    nameControl(thinkingLabel_, "thinkingLabel");
    nameControl(progressLabel_, "progressLabel");
    nameControl(conflictList_, "conflictList", QStringLiteral(u"重课列表"));
    QFont thinking = thinkingLabel_->font();
    thinking.setBold(true);
    thinking.setPointSize(thinking.pointSize() + 2);
    thinkingLabel_->setFont(thinking);
    thinkingLabel_->hide();
    conflictList_->setMinimumContentsLength(24);
    conflictList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    conflictList_->setToolTip(QStringLiteral(u"排课后仍未消除的重课"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(thinkingLabel_);
    layout->addWidget(progressLabel_);
    layout->addStretch(1);
    layout->addWidget(conflictList_);
    for (const auto signal : {&Notifier::conflictsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &SchedulingStatusPanel::showConflicts);
}

void SchedulingStatusPanel::showConflicts()
{
    const model::Conflicts& entries = ws_.session.conflicts;
    QStringList texts;
    texts.reserve(qsizetype(entries.size()));
    for (const model::Conflict& entry : entries)
        texts.append(model::conflictText(entry));
    conflictList_->clear();
    conflictList_->addItems(texts);
    conflictList_->setCurrentIndex(entries.empty() ? -1 : 0);
}

} // namespace orve::ui
