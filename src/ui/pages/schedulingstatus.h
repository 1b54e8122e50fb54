// The controls of the scheduling tab that follow a scheduling run: the thinking label Label7,
// the progress label Label9 and the conflict list Combo2 that the run leaves behind.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace orve::ui {

class SchedulingStatusPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulingStatusPanel(QWidget* parent = nullptr);

    QLabel* thinkingLabel() const { return label7_; }
    QLabel* progressLabel() const { return label9_; }
    QComboBox* conflictList() const { return combo2_; }

    // Shows the entries of the conflict list, the first one in the box.
    void showConflicts(const QStringList& entries);

private:
    QLabel* label7_;
    QLabel* label9_;
    QComboBox* combo2_;
};

} // namespace orve::ui
