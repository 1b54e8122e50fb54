// A UiPort for tests: records every message and tab change, answers with scripted choices.
#pragma once

#include "uiport.h"

#include <QList>
#include <QStringList>

namespace orve::test {

struct RecordedMessage
{
    QString prompt;
    MessageButtons buttons;
    QString title;
};

class FakeUiPort : public UiPort
{
public:
    MessageAnswer message(const QString& prompt, MessageButtons buttons, const QString& title,
                          MessageIcon icon) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString folderName(const FileDialogRequest& request) override;
    void processEvents() override { ++processedEvents; }
    void showTab(MainTab tab) override { tabsShown.append(tab); }
    void giveFocus(FocusTarget target) override { focused.append(target); }
    void showStatus(const QString& text) override { statuses.append(text); }

    // Scripted answers, used in order; when they run out, messages answer their first button
    // (the question about unsaved changes: 不保存).
    QList<MessageAnswer> answers;
    // Scripted file and folder dialog results (an empty text means Cancel); when they run
    // out: cancel.
    QStringList fileNames;
    // The filters chosen in save dialogs that ask for one; when they run out: the first.
    QStringList filtersChosen;

    QList<RecordedMessage> messages;
    QList<FileDialogRequest> fileDialogs;
    QList<MainTab> tabsShown;
    QList<FocusTarget> focused;
    QStringList statuses;
    int processedEvents = 0;

    QStringList prompts() const;

private:
    QString nextFileName(const FileDialogRequest& request);
};

} // namespace orve::test
