#include "venuecapacityfield.h"

#include "conditions/ruleediting.h"
#include "model/rules.h"
#include "school/namelist.h"
#include "widgets/accessiblenames.h"
#include "workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace orve::ui {

VenueCapacityField::VenueCapacityField(Workspace& ws, QWidget* parent)
    : QWidget(parent), ws_(ws), label_(new QLabel(this)), capacity_(new QSpinBox(this))
{
    setObjectName(QStringLiteral("venueCapacityField"));
    capacity_->setObjectName(QStringLiteral("venueCapacity"));
    capacity_->setRange(0, model::MaxRuleCount);
    capacity_->setSpecialValueText(QStringLiteral(u"不限"));
    capacity_->setSuffix(QStringLiteral(u" 节课"));
    capacity_->setAccessibleDescription(
        QStringLiteral(u"同一节次最多能在这个场地上的课数；不限表示不检查"));
    label_->setBuddy(capacity_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(capacity_);
    layout->addStretch(1);

    connect(capacity_, &QSpinBox::valueChanged, this, [this](int value) {
        conditions::setVenueCapacity(ws_, venue(), value);
    });
    for (const auto signal : {&Notifier::namesEditorChanged, &Notifier::listsChanged,
                              &Notifier::conditionsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &VenueCapacityField::showVenue);
    showVenue();
}

QString VenueCapacityField::venue() const
{
    if (school::activeList(ws_) != school::NameList::Venues)
        return {};
    const int selected = school::selectedEntry(ws_, school::NameList::Venues);
    return ws_.school.venues.value(selected);
}

void VenueCapacityField::showVenue()
{
    const QString name = venue();
    setVisible(school::activeList(ws_) == school::NameList::Venues);
    capacity_->setEnabled(!name.isEmpty());
    label_->setText(name.isEmpty() ? QStringLiteral(u"场地容量(&C)：")
                                   : QStringLiteral(u"“%1”的容量(&C)：").arg(name));
    const QString accessible = name.isEmpty() ? QStringLiteral(u"场地容量")
                                              : QStringLiteral(u"%1的容量").arg(name);
    setSpinBoxName(capacity_, accessible);
    const QSignalBlocker quiet(capacity_);
    capacity_->setValue(conditions::venueCapacity(ws_.school.rules, name));
}

} // namespace orve::ui
