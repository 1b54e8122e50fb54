#include "numericguard.h"

#include "numbers.h"

namespace orve::model {

QString NumericGuard::keyReleased(const QString& text) const
{
    return isNumeric(text) ? text : remembered_;
}

} // namespace orve::model
