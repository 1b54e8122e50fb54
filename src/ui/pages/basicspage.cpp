#include "basicspage.h"

#include "namespanel.h"
#include "venuecapacityfield.h"
#include "weekfieldsbox.h"

#include "platform/icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orve::ui {

BasicsPage::BasicsPage(Workspace& ws, NumericGuardFilter* guard, QWidget* parent)
    : QWidget(parent), weekFields_(new WeekFieldsBox(ws, guard, this)),
      namesPanel_(new NamesPanel(this)), picture_(new QLabel(this))
{
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setPixmap(programPicture(QSize(260, 150)));

    auto* left = new QVBoxLayout;
    left->addWidget(weekFields_);
    left->addWidget(picture_);
    left->addStretch(1);

    auto* names = new QVBoxLayout;
    names->addWidget(namesPanel_, 1);
    names->addWidget(new VenueCapacityField(ws, this));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(names, 1);
}

} // namespace orve::ui
