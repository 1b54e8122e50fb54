// A tab page that shows one grid, for the tabs whose other controls come with their commands.
#pragma once

#include <QWidget>

namespace orve::model {
class Grid;
}

namespace orve::ui {

class GridView;

class GridPage : public QWidget
{
    Q_OBJECT

public:
    GridPage(model::Grid& grid, const QString& viewName, QWidget* parent = nullptr);

    GridView* view() const { return view_; }

private:
    GridView* view_;
};

} // namespace orve::ui
