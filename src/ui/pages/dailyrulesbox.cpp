#include "dailyrulesbox.h"

#include "conditions/ruleediting.h"
#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "school/teachingplan.h"
#include "widgets/accessiblenames.h"
#include "workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace orve::ui {

namespace {

using conditions::DailyLimitSubject;

QComboBox* makeChooser(QWidget* parent, const char* objectName, const QString& spoken)
{
    auto* combo = new QComboBox(parent);
    nameControl(combo, objectName, spoken);
    combo->setMinimumContentsLength(6);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMaxVisibleItems(20);
    return combo;
}

QSpinBox* makeCount(QWidget* parent, const char* objectName, const QString& none,
                    const QString& unit)
{
    auto* spin = new QSpinBox(parent);
    nameControl(spin, objectName);
    spin->setRange(0, model::MaxRuleCount);
    spin->setSpecialValueText(none);
    spin->setSuffix(unit);
    return spin;
}

// Keeps the entry of that text when there is one, else the first.
void refill(QComboBox* combo, const QStringList& entries)
{
    const QString chosen = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(std::max(combo->findText(chosen), 0));
}

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    if (index >= 0) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    }
}

void showCount(QSpinBox* spin, int count)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(count);
}

} // namespace

DailyRulesBox::DailyRulesBox(Workspace& ws, QWidget* parent)
    : QWidget(parent), ws_(ws),
      course_(makeChooser(this, "dailyRuleCourse", QStringLiteral(u"每日规则的课程"))),
      teacher_(makeChooser(this, "dailyRuleTeacher", QStringLiteral(u"每日规则的教师"))),
      class_(makeChooser(this, "doublePeriodClass", QStringLiteral(u"连堂的班级"))),
      courseLimit_(makeCount(this, "courseDailyLimit", QStringLiteral(u"不限"),
                             QStringLiteral(u" 节"))),
      teacherLimit_(makeCount(this, "teacherDailyLimit", QStringLiteral(u"不限"),
                              QStringLiteral(u" 节"))),
      doublePeriods_(makeCount(this, "doublePeriods", QStringLiteral(u"无"),
                               QStringLiteral(u" 次")))
{
    setObjectName(QStringLiteral("dailyRulesBox"));
    courseLimit_->setAccessibleDescription(
        QStringLiteral(u"每个班级每天最多上这门课的节数；不限表示不检查"));
    teacherLimit_->setAccessibleDescription(
        QStringLiteral(u"这位教师每天最多上的节数，合班课算一节；不限表示不检查"));
    doublePeriods_->setAccessibleDescription(
        QStringLiteral(u"每周两节相连（同一上午、下午或晚上）的次数；选“全体班级”为每个有这门课的班级设置"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, layout](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    };
    add(QStringLiteral(u"课程(&U)："), course_);
    add(QStringLiteral(u"每天最多(&D)"), courseLimit_);
    layout->addSpacing(16);
    add(QStringLiteral(u"教师(&J)："), teacher_);
    add(QStringLiteral(u"每天最多(&M)"), teacherLimit_);
    layout->addSpacing(16);
    add(QStringLiteral(u"连堂班级(&B)："), class_);
    add(QStringLiteral(u"这门课每周连堂(&L)"), doublePeriods_);
    layout->addStretch(1);

    connect(courseLimit_, &QSpinBox::valueChanged, this, [this](int limit) {
        conditions::setDailyLimit(ws_, DailyLimitSubject::Course, course_->currentText(), limit);
    });
    connect(teacherLimit_, &QSpinBox::valueChanged, this, [this](int limit) {
        conditions::setDailyLimit(ws_, DailyLimitSubject::Teacher, teacher_->currentText(), limit);
    });
    connect(doublePeriods_, &QSpinBox::valueChanged, this, [this](int count) {
        conditions::setDoublePeriods(ws_, class_->currentText(), course_->currentText(), count);
    });
    for (QComboBox* combo : {course_, teacher_, class_})
        connect(combo, &QComboBox::currentIndexChanged, this, &DailyRulesBox::showRules);
    connect(&ws_.school.plan.changes(), &model::GridSignals::currentCellChanged, this,
            &DailyRulesBox::followPlanRow);
    // A teacher written into the current row is the one its rules are about.
    connect(&ws_.notifier, &Notifier::planChanged, this,
            [this] { followPlanRow(ws_.school.plan.currentRow()); });
    connect(&ws_.notifier, &Notifier::conditionsChanged, this, &DailyRulesBox::showRules);
    for (const auto signal : {&Notifier::listsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &DailyRulesBox::fillChoosers);
    fillChoosers();
}

void DailyRulesBox::fillChoosers()
{
    refill(course_, ws_.school.courses);
    refill(teacher_, ws_.school.teachers);
    refill(class_, ws_.school.classes + QStringList{model::AllClassesText});
    showRules();
}

void DailyRulesBox::followPlanRow(int row)
{
    const model::Grid& plan = ws_.school.plan;
    if (row <= school::PlanHeaderRow || row >= plan.rowCount())
        return;
    choose(course_, plan.text({row, school::CourseColumn}));
    choose(teacher_, plan.text({row, school::TeacherColumn}));
    choose(class_, plan.text({row, school::ClassColumn}));
    showRules();
}

void DailyRulesBox::showRules()
{
    const model::Rules& rules = ws_.school.rules;
    const QString course = course_->currentText();
    const QString teacher = teacher_->currentText();
    const QString className = class_->currentText();
    courseLimit_->setEnabled(!course.isEmpty());
    teacherLimit_->setEnabled(!teacher.isEmpty());
    doublePeriods_->setEnabled(!course.isEmpty() && !className.isEmpty());
    setSpinBoxName(courseLimit_, QStringLiteral(u"%1每天最多节数").arg(course));
    setSpinBoxName(teacherLimit_, QStringLiteral(u"%1每天最多节数").arg(teacher));
    setSpinBoxName(doublePeriods_, QStringLiteral(u"%1%2每周连堂次数").arg(className, course));
    showCount(courseLimit_, conditions::dailyLimit(rules, DailyLimitSubject::Course, course));
    showCount(teacherLimit_, conditions::dailyLimit(rules, DailyLimitSubject::Teacher, teacher));
    // Without a rule of its own a class has what "全体班级" gives it; the field says so.
    const int everyClass = className == model::AllClassesText
                               ? 0
                               : conditions::doublePeriods(rules, model::AllClassesText, course);
    doublePeriods_->setSpecialValueText(everyClass > 0
                                            ? QStringLiteral(u"同全体班级（%1 次）").arg(everyClass)
                                            : QStringLiteral(u"无"));
    showCount(doublePeriods_, conditions::doublePeriods(rules, className, course));
}

} // namespace orve::ui
