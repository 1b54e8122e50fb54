// The status-bar field "重课 N 处": how many slots hold a teacher twice, red while there are
// any. It shows the core's running count and follows its changes.
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
    void display(int count);
};

} // namespace orve::ui
