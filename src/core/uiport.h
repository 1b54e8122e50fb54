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
    SaveDiscardCancel, // 保存, 不保存, 取消: unsaved changes before they would be lost
};

enum class MessageAnswer {
    Ok,
    Cancel,
    Yes,
    No,
    Retry,
    TryAgain,
    Continue,
    Save,
    Discard,
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
    QString suggestedName; // a file name offered in the start folder (save dialogs)
    bool confirmOverwrite = true;
    // When set, the filter the user chose from `filter` is written here (save dialogs).
    QString* chosenFilter = nullptr;
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

// Every request has a default that does without a window: a message is answered unseen with
// the choice that changes least, file dialogs are cancelled, nothing else happens. A port
// overrides what it can show, so a new request does not touch every port.
class UiPort
{
public:
    virtual ~UiPort() = default;

    // An empty title means the program's default title.
    virtual MessageAnswer message(const QString& prompt, MessageButtons buttons = MessageButtons::Ok,
                                  const QString& title = {}, MessageIcon icon = MessageIcon::None);
    // Empty when the user cancels.
    virtual QString openFileName(const FileDialogRequest& request);
    virtual QString saveFileName(const FileDialogRequest& request);
    // A folder to write files into (the request's filter is not used); empty when cancelled.
    virtual QString folderName(const FileDialogRequest& request);
    // Lets pending window events run, so that long commands keep the window painted.
    virtual void processEvents() {}
    // Shows a tab without running the actions of a user's tab click.
    virtual void showTab(MainTab) {}
    virtual void giveFocus(FocusTarget) {}
    // A passing note in the window's status bar.
    virtual void showStatus(const QString&) {}
};

} // namespace orve
