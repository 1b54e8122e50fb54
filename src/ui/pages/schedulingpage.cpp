#include "schedulingpage.h"

#include "fileio/titletext.h"
#include "grid/gridview.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace orve::ui {

SchedulingPage::SchedulingPage(Workspace& ws, QWidget* parent)
    : GridPage(ws.school.masterTimetable, QStringLiteral("masterTimetableView"), parent), ws_(ws),
      titleLabel_(new QLabel(QStringLiteral(u"标题："), this)), timetableTitle_(new QLineEdit(this))
{
    nameControl(titleLabel_, "titleLabel");
    nameControl(timetableTitle_, "timetableTitle", QStringLiteral(u"课程表标题"));
    view()->setAccessibleName(QStringLiteral(u"全校课程总表"));
    titleLabel_->setBuddy(timetableTitle_);
    timetableTitle_->setText(ws_.school.title);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel_);
    titleRow->addWidget(timetableTitle_, 1);
    if (auto* column = qobject_cast<QBoxLayout*>(layout()))
        column->insertLayout(0, titleRow);

    connect(timetableTitle_, &QLineEdit::textEdited, this, &SchedulingPage::titleEdited);
    for (const auto signal : {&Notifier::titleChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &SchedulingPage::refresh);
}

void SchedulingPage::setTitleVisible(bool visible)
{
    titleLabel_->setVisible(visible);
    timetableTitle_->setVisible(visible);
}

void SchedulingPage::refresh()
{
    if (timetableTitle_->text() != ws_.school.title)
        timetableTitle_->setText(ws_.school.title);
}

// The file gives back only some texts unchanged; the field keeps to those as the user types.
void SchedulingPage::titleEdited(const QString& typed)
{
    const int fromEnd = int(typed.size()) - timetableTitle_->cursorPosition();
    const QString& title = fileio::setTitle(ws_, typed);
    if (title == typed)
        return;
    timetableTitle_->setText(title);
    timetableTitle_->setCursorPosition(std::max(0, int(title.size()) - fromEnd));
}

} // namespace orve::ui
