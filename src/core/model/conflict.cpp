#include "conflict.h"

namespace orve::model {

QString conflictText(const Conflict& conflict)
{
    QString text = QStringLiteral(u"%1 %2  %3：%4")
                       .arg(conflict.at.row)
                       .arg(conflict.at.column)
                       .arg(conflict.className, conflict.lesson);
    if (!conflict.brokenRule.isEmpty())
        text += QStringLiteral(u"（违反“%1”）").arg(conflict.brokenRule);
    return text;
}

} // namespace orve::model
