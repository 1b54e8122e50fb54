#include "splashwindow.h"

#include "platform/icons.h"
#include "platform/programinfo.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace orve::ui {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(programTitle());
    setAccessibleName(defaultMessageTitle());
    auto* picture = new QLabel(this);
    picture->setPixmap(programPicture(QSize(480, 270)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
}

void SplashWindow::showOver(QWidget* window)
{
    window_ = window;
    window->installEventFilter(this);
    adjustSize();
    centre();
    show();
    raise();
    activateWindow();
}

void SplashWindow::centre()
{
    move(window_->frameGeometry().center() - rect().center());
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        centre();
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        hadFocus_ = true;
    else if (hadFocus_)
        close();
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

// Whoever works from the keyboard dismisses it with a key, as others do with a click.
void SplashWindow::keyPressEvent(QKeyEvent*)
{
    close();
}

} // namespace orve::ui
