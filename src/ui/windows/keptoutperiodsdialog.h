// The editor of the periods a teacher (设置某些教师不排时间) or a course (设置某些课程不排时间)
// is kept out of: a chooser of the teacher or course and a grid of the week's periods, days
// across and periods down. A click on a period, or Space or Enter on the current one, keeps the
// name out of it or lets it in again; a click on a day's or a period's heading does so for the
// whole day or period (out when any of it is open, in when all of it is out). Each change is
// made at once; the grid follows every change of the school.
#pragma once

#include "conditions/ruleediting.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class KeptOutPeriodsDialog : public QDialog
{
    Q_OBJECT

public:
    KeptOutPeriodsDialog(Workspace& ws, conditions::KeptOutSubject subject,
                         QWidget* parent = nullptr);

    QComboBox* chooser() const { return chooser_; }
    QTableWidget* periods() const { return periods_; }

    // Keeps the chosen name out of the periods or lets it in: out unless every one already is.
    void toggle(const std::vector<conditions::DayPeriod>& periods);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillChooser();
    void layOutWeek();
    void showPeriods();
    std::vector<conditions::DayPeriod> day(int column) const;
    std::vector<conditions::DayPeriod> period(int row) const;

    Workspace& ws_;
    conditions::KeptOutSubject subject_;
    QComboBox* chooser_;
    QTableWidget* periods_;
};

} // namespace orve::ui
