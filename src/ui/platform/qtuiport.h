// The window system as the core sees it: Qt message boxes, file dialogs and event processing,
// and the main window's tabs and focus.
#pragma once

#include "uiport.h"

#include <functional>

class QWidget;
class QTabWidget;

namespace orve::ui {

class QtUiPort : public UiPort
{
public:
    using FocusResolver = std::function<QWidget*(FocusTarget)>;

    // `dialogs`, when given, answers messages and file dialogs in place of Qt's boxes (a
    // scripted port in tests); tabs, focus and events stay the window's.
    QtUiPort(QWidget* window, QTabWidget* tabs, FocusResolver focus, UiPort* dialogs = nullptr);

    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString folderName(const FileDialogRequest& request) override;
    void processEvents() override;
    void showTab(MainTab tab) override;
    void giveFocus(FocusTarget target) override;
    void showStatus(const QString& text) override;

private:
    QWidget* window_;
    QTabWidget* tabs_;
    FocusResolver focus_;
    UiPort* dialogs_;
};

} // namespace orve::ui
