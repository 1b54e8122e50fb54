// The week-structure fields on the first tab: morning, afternoon and evening periods and
// days per week, with their labels and
// spin buttons under the heading "设置日制与节次". A spin step or a typed number asks for the new
// text, which a relayout may refuse; the fields then show the workspace's text again.
#pragma once

#include <QGroupBox>
#include <array>

class QLineEdit;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class NumericGuardFilter;
class SpinButtons;

class WeekFieldsBox : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 4;

    WeekFieldsBox(Workspace& ws, NumericGuardFilter* guard, QWidget* parent = nullptr);

    QLineEdit* field(int index) const { return fields_.at(std::size_t(index)); }
    SpinButtons* spin(int index) const { return spins_.at(std::size_t(index)); }
    // Shows the workspace's texts (they follow its notifier).
    void refresh();

signals:
    // A spin button stepped field `index` to `text`, or a number was typed into it: the field
    // takes it once the grids are laid out again (school::stepWeekField).
    void stepRequested(int index, const QString& text);

private:
    const QString& text(int index) const;
    void step(int index, int delta);

    Workspace& ws_;
    std::array<QLineEdit*, FieldCount> fields_{};
    std::array<SpinButtons*, FieldCount> spins_{};
};

} // namespace orve::ui
