// Tab 3 "自动排课": the timetable's title field (label "标题：") above the master timetable.
#pragma once

#include "grid/gridpage.h"

class QLabel;
class QLineEdit;

namespace orve {
struct Workspace;
}

namespace orve::ui {

class SchedulingPage : public GridPage
{
    Q_OBJECT

public:
    SchedulingPage(Workspace& ws, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return timetableTitle_; }
    // The title row gives way to the thinking label while a run lasts.
    void setTitleVisible(bool visible);
    // Shows the workspace's title (it follows the notifier).
    void refresh();

private:
    void titleEdited(const QString& typed);

    Workspace& ws_;
    QLabel* titleLabel_;
    QLineEdit* timetableTitle_;
};

} // namespace orve::ui
