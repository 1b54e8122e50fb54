#include "schedulingpage.h"

#include "fileio/titletext.h"
#include "workspace.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace orve::ui {

SchedulingPage::SchedulingPage(Workspace& ws, QWidget* parent)
    : GridPage(ws.school.masterTimetable, QStringLiteral("MSGrid"), parent), ws_(ws),
      label13_(new QLabel(QStringLiteral(u"标题："), this)), text9_(new QLineEdit(this))
{
    label13_->setObjectName(QStringLiteral("Label13"));
    text9_->setObjectName(QStringLiteral("Text9"));
    label13_->setBuddy(text9_);
    text9_->setText(ws_.school.title);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(label13_);
    titleRow->addWidget(text9_, 1);
    if (auto* column = qobject_cast<QBoxLayout*>(layout()))
        column->insertLayout(0, titleRow);

    connect(text9_, &QLineEdit::textEdited, this, &SchedulingPage::titleEdited);
    for (const auto signal : {&Notifier::titleChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &SchedulingPage::refresh);
}

void SchedulingPage::setTitleVisible(bool visible)
{
    label13_->setVisible(visible);
    text9_->setVisible(visible);
}

void SchedulingPage::refresh()
{
    if (text9_->text() != ws_.school.title)
        text9_->setText(ws_.school.title);
}

// The file gives back only some texts unchanged; the field keeps to those as the user types.
void SchedulingPage::titleEdited(const QString& typed)
{
    const int fromEnd = int(typed.size()) - text9_->cursorPosition();
    const QString& title = fileio::setTitle(ws_, typed);
    if (title == typed)
        return;
    text9_->setText(title);
    text9_->setCursorPosition(std::max(0, int(title.size()) - fromEnd));
}

} // namespace orve::ui
