// A pair of up/down arrow buttons tied to a number field (the UpDown controls): each click
// asks for one step; the owner reads the field, steps it and keeps it within the limits.
#pragma once

#include <QWidget>

class QToolButton;

namespace orve::ui {

class SpinButtons : public QWidget
{
    Q_OBJECT

public:
    SpinButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void stepped(int delta);

private:
    int minimum_;
    int maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace orve::ui
