// The status-bar field "重课 N 处": how many slots hold a teacher twice, and, when there are
// any, how many combined lessons are not taught together ("合班课未同时上课 M 处"); red while
// there is either. It shows the core's running counts and follows their changes.
#pragma once

#include <QLabel>

namespace orve::adjust {
class DoubleBookingCount;
}

namespace orve::ui {

class DoubleBookingField : public QLabel
{
    Q_OBJECT

public:
    explicit DoubleBookingField(const adjust::DoubleBookingCount& count, QWidget* parent = nullptr);

private:
    void display();

    const adjust::DoubleBookingCount& count_;
};

} // namespace orve::ui
