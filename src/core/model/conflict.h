// One entry of the conflict list: a lesson left double-booked, or breaking a rule of the
// school, as the list knows it. The text the list shows is made when it is shown.
#pragma once

#include "cellref.h"

#include <QString>
#include <vector>

namespace orve::model {

struct Conflict
{
    CellRef at;
    QString className;
    QString lesson;
    QString brokenRule; // the rule's name; empty for a double booking

    bool operator==(const Conflict& other) const
    {
        return at == other.at && className == other.className && lesson == other.lesson &&
               brokenRule == other.brokenRule;
    }
    bool operator!=(const Conflict& other) const { return !(*this == other); }
};

using Conflicts = std::vector<Conflict>;

// "row column  class：lesson", and "（违反“rule”）" after a broken rule.
QString conflictText(const Conflict& conflict);

} // namespace orve::model
