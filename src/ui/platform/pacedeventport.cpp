#include "pacedeventport.h"

namespace orve::ui {

PacedEventPort::PacedEventPort(UiPort& window) : window_(window)
{
    sinceLast_.start();
}

MessageAnswer PacedEventPort::message(const QString& prompt, MessageButtons buttons,
                                      const QString& title, MessageIcon icon)
{
    return window_.message(prompt, buttons, title, icon);
}

QString PacedEventPort::openFileName(const FileDialogRequest& request)
{
    return window_.openFileName(request);
}

QString PacedEventPort::saveFileName(const FileDialogRequest& request)
{
    return window_.saveFileName(request);
}

QString PacedEventPort::folderName(const FileDialogRequest& request)
{
    return window_.folderName(request);
}

void PacedEventPort::processEvents()
{
    if (++calls_ < CallsPerClockRead)
        return;
    calls_ = 0;
    if (sinceLast_.elapsed() < FrameMilliseconds)
        return;
    runPendingEvents();
    ++processed_;
    sinceLast_.restart();
}

void PacedEventPort::runPendingEvents()
{
    window_.processEvents();
}

void PacedEventPort::showTab(MainTab tab)
{
    window_.showTab(tab);
}

void PacedEventPort::giveFocus(FocusTarget target)
{
    window_.giveFocus(target);
}

void PacedEventPort::showStatus(const QString& text)
{
    window_.showStatus(text);
}

} // namespace orve::ui
