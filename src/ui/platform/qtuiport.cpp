#include "qtuiport.h"

#include "programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <vector>

namespace orve::ui {

namespace {

struct ButtonChoice
{
    QString caption;
    QMessageBox::ButtonRole role;
    MessageAnswer answer;
};

std::vector<ButtonChoice> buttonsOf(MessageButtons buttons)
{
    const auto ok =
        ButtonChoice{QStringLiteral(u"确定"), QMessageBox::AcceptRole, MessageAnswer::Ok};
    const auto cancel =
        ButtonChoice{QStringLiteral(u"取消"), QMessageBox::RejectRole, MessageAnswer::Cancel};
    const auto yes =
        ButtonChoice{QStringLiteral(u"是(&Y)"), QMessageBox::YesRole, MessageAnswer::Yes};
    const auto no = ButtonChoice{QStringLiteral(u"否(&N)"), QMessageBox::NoRole, MessageAnswer::No};
    switch (buttons) {
    case MessageButtons::Ok:
        return {ok};
    case MessageButtons::OkCancel:
        return {ok, cancel};
    case MessageButtons::YesNo:
        return {yes, no};
    case MessageButtons::YesNoCancel:
        return {yes, no, cancel};
    case MessageButtons::RetryCancel:
        return {{QStringLiteral(u"重试(&R)"), QMessageBox::AcceptRole, MessageAnswer::Retry},
                cancel};
    case MessageButtons::CancelTryAgainContinue:
        return {cancel,
                {QStringLiteral(u"重试(&T)"), QMessageBox::AcceptRole, MessageAnswer::TryAgain},
                {QStringLiteral(u"继续(&C)"), QMessageBox::AcceptRole, MessageAnswer::Continue}};
    case MessageButtons::SaveDiscardCancel:
        return {{QStringLiteral(u"保存"), QMessageBox::AcceptRole, MessageAnswer::Save},
                {QStringLiteral(u"不保存"), QMessageBox::DestructiveRole, MessageAnswer::Discard},
                cancel};
    }
    return {ok};
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box sized to a short text ("有重课") is narrower than its title, which the frame then cuts;
// it is made as wide as the title needs beside the frame's buttons.
void makeRoomForTitle(QMessageBox& box)
{
    constexpr int FrameButtons = 120; // pixels
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + FrameButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QFileDialog::Options optionsOf(const FileDialogRequest& request)
{
    return request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
}

} // namespace

QtUiPort::QtUiPort(QWidget* window, QTabWidget* tabs, FocusResolver focus, UiPort* dialogs)
    : window_(window), tabs_(tabs), focus_(std::move(focus)), dialogs_(dialogs)
{
}

MessageAnswer QtUiPort::message(const QString& prompt, MessageButtons buttons, const QString& title,
                                MessageIcon icon)
{
    if (dialogs_)
        return dialogs_->message(prompt, buttons, title, icon);
    QMessageBox box(qtIcon(icon), title.isEmpty() ? defaultMessageTitle() : title, prompt,
                    QMessageBox::NoButton, window_);
    const std::vector<ButtonChoice> choices = buttonsOf(buttons);
    std::vector<QAbstractButton*> added;
    for (const ButtonChoice& choice : choices)
        added.push_back(box.addButton(choice.caption, choice.role));
    box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
    makeRoomForTitle(box);
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i])
            return choices[i].answer;
    // Closed with Esc or the window's close button.
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QString QtUiPort::openFileName(const FileDialogRequest& request)
{
    if (dialogs_)
        return dialogs_->openFileName(request);
    return QFileDialog::getOpenFileName(window_, request.title, request.startFolder, request.filter,
                                        nullptr, optionsOf(request));
}

QString QtUiPort::saveFileName(const FileDialogRequest& request)
{
    if (dialogs_)
        return dialogs_->saveFileName(request);
    const QString start = request.suggestedName.isEmpty()
                              ? request.startFolder
                              : QDir(request.startFolder).filePath(request.suggestedName);
    return QFileDialog::getSaveFileName(window_, request.title, start, request.filter,
                                        request.chosenFilter, optionsOf(request));
}

QString QtUiPort::folderName(const FileDialogRequest& request)
{
    if (dialogs_)
        return dialogs_->folderName(request);
    return QFileDialog::getExistingDirectory(window_, request.title, request.startFolder);
}

void QtUiPort::processEvents()
{
    // Repaint, but start no second command from a click while one is running.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUiPort::showTab(MainTab tab)
{
    tabs_->setCurrentIndex(int(tab));
}

void QtUiPort::giveFocus(FocusTarget target)
{
    if (QWidget* widget = focus_(target))
        widget->setFocus();
}

void QtUiPort::showStatus(const QString& text)
{
    // Long enough to read a teacher, a slot and a few classes.
    constexpr int StatusMilliseconds = 15000;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window_))
        mainWindow->statusBar()->showMessage(text, StatusMilliseconds);
    if (dialogs_)
        dialogs_->showStatus(text);
}

} // namespace orve::ui
