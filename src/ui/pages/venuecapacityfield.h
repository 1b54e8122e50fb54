// Under the name lists while the shared venues are shown: how many lessons the selected venue
// holds at once ("场地容量"), 不限 (no capacity, not checked) by default. A change is a rule of
// the school at once; the field follows the selection, the lists and the rules.
#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class VenueCapacityField : public QWidget
{
    Q_OBJECT

public:
    explicit VenueCapacityField(Workspace& ws, QWidget* parent = nullptr);

    QSpinBox* capacity() const { return capacity_; }

private:
    // The venue the field stands for; empty when none is selected or another list is shown.
    QString venue() const;
    void showVenue();

    Workspace& ws_;
    QLabel* label_;
    QSpinBox* capacity_;
};

} // namespace orve::ui
