// The controls of the scheduling tab that follow a scheduling run: the thinking and progress
// labels, and the conflict list that the run leaves behind, which follows the notifier.
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
