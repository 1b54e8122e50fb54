#include "numericguardfilter.h"

#include <QEvent>
#include <QLineEdit>

namespace orve::ui {

void NumericGuardFilter::guard(QLineEdit* edit)
{
    edit->installEventFilter(this);
}

bool NumericGuardFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        guard_.keyPressed(edit->text());
    } else if (edit && event->type() == QEvent::KeyRelease) {
        const QString kept = guard_.keyReleased(edit->text());
        if (kept != edit->text())
            edit->setText(kept);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orve::ui
