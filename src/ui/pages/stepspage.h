// Tab 4 "排课步骤提示": the working steps of the program and the way to the help document.
#pragma once

#include <QWidget>

class QPushButton;

namespace orve::ui {

class StepsPage : public QWidget
{
    Q_OBJECT

public:
    explicit StepsPage(QWidget* parent = nullptr);

    QPushButton* moreInformation() const { return moreInformation_; }
    static QString stepsText();

private:
    QPushButton* moreInformation_;
};

} // namespace orve::ui
