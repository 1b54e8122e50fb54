// Under the teaching plan: a course's most lessons a day in every class, a teacher's most lessons
// a day, and the double periods (连堂) of a class's course a week, or of every class's
// ("全体班级"). The choosers take the class, course and teacher of the plan's current row and
// can be changed; a change of a count is a rule of the school at once (不限 / 无 take it away),
// and the fields follow the lists and the rules.
#pragma once

#include <QWidget>

class QComboBox;
class QSpinBox;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class DailyRulesBox : public QWidget
{
    Q_OBJECT

public:
    explicit DailyRulesBox(Workspace& ws, QWidget* parent = nullptr);

    QComboBox* courseChooser() const { return course_; }
    QComboBox* teacherChooser() const { return teacher_; }
    QComboBox* classChooser() const { return class_; }
    QSpinBox* courseLimit() const { return courseLimit_; }
    QSpinBox* teacherLimit() const { return teacherLimit_; }
    QSpinBox* doublePeriods() const { return doublePeriods_; }

private:
    void fillChoosers();
    void followPlanRow(int row);
    void showRules();

    Workspace& ws_;
    QComboBox* course_;
    QComboBox* teacher_;
    QComboBox* class_;
    QSpinBox* courseLimit_;
    QSpinBox* teacherLimit_;
    QSpinBox* doublePeriods_;
};

} // namespace orve::ui
