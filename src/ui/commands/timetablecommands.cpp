#include "timetablecommands.h"

#include "commandcontext.h"
#include "printcommands.h"
#include "windows/timetablewindow.h"

#include <QScreen>
#include <algorithm>

namespace orve::ui {

using views::WeekViewKind;

TimetableCommands::TimetableCommands(const CommandContext& context, PrintCommands& print,
                                     QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), window_(context.views.window),
      print_(print)
{
    bindAction(context.actions.classTimetable, this, [this] { open(WeekViewKind::Class); });
    bindAction(context.actions.teacherTimetable, this, [this] { open(WeekViewKind::Teacher); });
}

void TimetableCommands::open(WeekViewKind kind)
{
    if (!timetableWindow_) {
        timetableWindow_ = new TimetableWindow(ws_, ui_, window_);
        // At the main window's right, below its first class rows, so a pick shows in both;
        // whole on the screen.
        const QRect main = window_->frameGeometry();
        QRect placed(
            QPoint(main.right() - timetableWindow_->width() - 20, main.top() + main.height() / 4),
            timetableWindow_->size());
        if (const QScreen* screen = window_->screen()) {
            const QRect free = screen->availableGeometry();
            placed.moveBottom(std::min(placed.bottom(), free.bottom()));
            placed.moveRight(std::min(placed.right(), free.right()));
            placed.moveTopLeft(
                QPoint(std::max(placed.left(), free.left()), std::max(placed.top(), free.top())));
        }
        timetableWindow_->move(placed.topLeft());
        connect(timetableWindow_, &TimetableWindow::printRequested, this,
                [this](WeekViewKind shown, const QString& name) {
                    if (shown == WeekViewKind::Class)
                        print_.printClassTimetable(name);
                    else
                        print_.printTeacherTimetable(name);
                });
        connect(timetableWindow_, &TimetableWindow::closeProgramRequested, window_,
                &QWidget::close);
    }
    timetableWindow_->open(kind);
}

} // namespace orve::ui
