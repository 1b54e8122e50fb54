#include "basicspage.h"

#include "namespanel.h"
#include "platform/icons.h"
#include "weekfieldsbox.h"

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

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(namesPanel_, 1);
}

} // namespace orve::ui
