// Tab 0 "输入基本要求 ": the week structure, the school's name lists and the pictures.
#pragma once

#include <QWidget>

class QLabel;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class NamesPanel;
class NumericGuardFilter;
class WeekFieldsBox;

class BasicsPage : public QWidget
{
    Q_OBJECT

public:
    BasicsPage(Workspace& ws, NumericGuardFilter* guard, QWidget* parent = nullptr);

    WeekFieldsBox* weekFields() const { return weekFields_; }
    NamesPanel* namesPanel() const { return namesPanel_; }

private:
    WeekFieldsBox* weekFields_;
    NamesPanel* namesPanel_;
    QLabel* picture_;
};

} // namespace orve::ui
