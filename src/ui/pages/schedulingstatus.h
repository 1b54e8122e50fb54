// The controls of the scheduling tab that follow a scheduling run: the thinking label Label7,
// the progress label Label9 and the conflict list Combo2 that the run leaves behind, which
// follows the workspace's notifier.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class SchedulingStatusPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulingStatusPanel(const Workspace& ws, QWidget* parent = nullptr);

    QLabel* thinkingLabel() const { return thinkingLabel_; }
    QLabel* progressLabel() const { return progressLabel_; }
    QComboBox* conflictList() const { return conflictList_; }

private:
    // Shows the entries of the conflict list, the first one in the box.
    void showConflicts();

    const Workspace& ws_;
    QLabel* thinkingLabel_;
    QLabel* progressLabel_;
    QComboBox* conflictList_;
};

} // namespace orve::ui
