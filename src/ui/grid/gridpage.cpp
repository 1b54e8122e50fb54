#include "gridpage.h"

#include "gridview.h"

#include <QVBoxLayout>

namespace orve::ui {

GridPage::GridPage(model::Grid& grid, const QString& viewName, QWidget* parent)
    : QWidget(parent), view_(new GridView(grid, this))
{
    view_->setObjectName(viewName);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
}

} // namespace orve::ui
