// What the core asks of the window system. The Qt window implements it; tests use a fake
// that records messages and answers scripted choices, so every command runs without widgets.
#pragma once

#include <QString>

namespace orve {

// Button sets of a message box, as the program's messages use them.
enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    CancelTryAgainContinue,
};

enum class MessageAnswer {
    Ok,
    Cancel,
    Yes,
    No,
    Retry,
    TryAgain,
    Continue,
};

enum class MessageIcon {
    None,
    Information,
    Warning,
    Critical,
};

struct FileDialogRequest
{
    QString title;
    QString filter;      // Qt form: "课程文件 (*.rve);;所有文件  (*.*)"
    QString startFolder; // empty: wherever the dialog was last
    bool confirmOverwrite = true;
};

// The tabs of the main window's tab panel, by index.
enum class MainTab {
    Basics = 0,
    TeachingPlan = 1,
    SpecialConditions = 2,
    Scheduling = 3,
    Steps = 4,
};

enum class FocusTarget {
    MainWindow,
    NameEntry,          // the name entry field of the first tab
    TeachingPlan,
    FixedLessonGrid,
    MasterTimetable,
};

class UiPort
{
public:
    virtual ~UiPort() = default;

    // An empty title means the program's default title.
    virtual MessageAnswer message(const QString& prompt, MessageButtons buttons = MessageButtons::Ok,
                                  const QString& title = {}, MessageIcon icon = MessageIcon::None) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // Lets pending window events run, so that long commands keep the window painted.
    virtual void processEvents() = 0;
    // Shows a tab without running the actions of a user's tab click.
    virtual void showTab(MainTab tab) = 0;
    virtual void giveFocus(FocusTarget target) = 0;
};

} // namespace orve
