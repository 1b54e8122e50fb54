#include "weekfieldsbox.h"

#include "model/numbers.h"
#include "model/weekstructure.h"

#include "widgets/numericguardfilter.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace orve::ui {

namespace {

struct FieldLayout
{
    const char* name;
    const char* spinName;
    const char16_t* spoken;
    const char16_t* label;
    int minimum;
    int maximum;
};

constexpr std::array<FieldLayout, WeekFieldsBox::FieldCount> fieldLayouts = {{
    {"morningPeriods", "morningStepper", u"上午节数", u"上 午", 1, 5},
    {"afternoonPeriods", "afternoonStepper", u"下午节数", u"下 午", 0, 5},
    {"eveningPeriods", "eveningStepper", u"晚上节数", u"晚 上", 0, 3},
    {"daysPerWeek", "daysStepper", u"每周天数", u"每周天数", 5, 7},
}};

} // namespace

WeekFieldsBox::WeekFieldsBox(Workspace& ws, NumericGuardFilter* guard, QWidget* parent)
    : QGroupBox(QStringLiteral(u"设置日制与节次"), parent), ws_(ws)
{
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldLayout& field = fieldLayouts[std::size_t(i)];
        auto* label = new QLabel(QString::fromUtf16(field.label), this);
        auto* edit = new QLineEdit(text(i), this);
        nameControl(edit, field.name, QString::fromUtf16(field.spoken));
        edit->setFixedWidth(60);
        label->setBuddy(edit);
        auto* spin = new SpinButtons(field.minimum, field.maximum, this);
        nameControl(spin, field.spinName, QString::fromUtf16(field.spoken));
        guard->guard(edit);
        layout->addWidget(label, i, 0);
        layout->addWidget(edit, i, 1);
        layout->addWidget(spin, i, 2);
        fields_[std::size_t(i)] = edit;
        spins_[std::size_t(i)] = spin;
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& typed) {
            // A typed number counts as a step; the guard puts back anything else.
            if (model::isNumeric(typed))
                emit stepRequested(i, typed);
            refresh();
        });
        connect(spin, &SpinButtons::stepped, this, [this, i](int delta) { step(i, delta); });
    }
    layout->setColumnStretch(3, 1);
    for (const auto signal : {&Notifier::weekChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &WeekFieldsBox::refresh);
}

const QString& WeekFieldsBox::text(int index) const
{
    return model::weekField(ws_.school.week, model::WeekField(index));
}

void WeekFieldsBox::refresh()
{
    for (int i = 0; i < FieldCount; ++i)
        if (fields_[std::size_t(i)]->text() != text(i))
            fields_[std::size_t(i)]->setText(text(i));
}

void WeekFieldsBox::step(int index, int delta)
{
    const SpinButtons* spin = spins_[std::size_t(index)];
    const QString stepped = model::spinStep(text(index), delta, spin->minimum(), spin->maximum());
    if (stepped == text(index))
        return; // at a limit
    emit stepRequested(index, stepped);
}

} // namespace orve::ui
