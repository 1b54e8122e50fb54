#include "doublebookingfield.h"

#include "adjust/doublebookingcount.h"

namespace orve::ui {

DoubleBookingField::DoubleBookingField(const adjust::DoubleBookingCount& count, QWidget* parent)
    : QLabel(parent), count_(count)
{
    setObjectName(QStringLiteral("doubleBookingField"));
    setAccessibleDescription(QStringLiteral(u"重课处数"));
    setToolTip(QStringLiteral(u"课程总表中同一节次有教师同时在两个班上课的处数，违反排课规则的"
                              u"课的处数，以及合班课没有在同一节次一起上的处数"));
    setContentsMargins(6, 0, 6, 0);
    connect(&count, &adjust::DoubleBookingCount::changed, this, &DoubleBookingField::display);
    display();
}

void DoubleBookingField::display()
{
    setText(count_.text());
    // The normal text colour when there are none; red draws the eye when there are.
    setStyleSheet(count_.count() + count_.violations() + count_.splits() > 0
                      ? QStringLiteral("QLabel { color: #c00000; font-weight: bold; }")
                      : QString());
}

} // namespace orve::ui
