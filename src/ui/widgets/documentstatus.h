// The open document in the main window's status bar: a permanent field with the file's name
// and "已修改" while there are unsaved changes, and "已保存：<file>" after each save. Other
// fields of the status bar belong to their own commands.
#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class DocumentStatus : public QObject
{
    Q_OBJECT

public:
    static constexpr int MessageMilliseconds = 6000;

    DocumentStatus(const Workspace& ws, QStatusBar* bar);

    QLabel* field() const { return field_; }

private:
    void refresh();
    void showSaved(const QString& path);

    const Workspace& ws_;
    QStatusBar* bar_;
    QLabel* field_;
};

} // namespace orve::ui
