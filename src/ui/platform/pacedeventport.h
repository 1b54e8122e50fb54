// A UiPort for long runs: it hands every call to the window's port but lets pending events
// run at most once per frame, so a run that asks thousands of times stays fast and the
// window still repaints.
#pragma once

#include "uiport.h"

#include <QElapsedTimer>

namespace orve::ui {

class PacedEventPort : public UiPort
{
public:
    static constexpr qint64 FrameMilliseconds = 16;
    // The clock is read on every this many calls only; the calls come in the millions.
    static constexpr int CallsPerClockRead = 32;

    explicit PacedEventPort(UiPort& window);

    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    void processEvents() override;
    QString folderName(const FileDialogRequest& request) override;
    void showTab(MainTab tab) override;
    void giveFocus(FocusTarget target) override;
    void showStatus(const QString& text) override;

    int processed() const { return processed_; }

protected:
    // Runs the pending events when their frame has come: the window's own way by default.
    virtual void runPendingEvents();

private:
    UiPort& window_;
    QElapsedTimer sinceLast_;
    int processed_ = 0;
    int calls_ = 0;
};

} // namespace orve::ui
