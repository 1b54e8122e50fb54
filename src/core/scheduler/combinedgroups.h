// Which lessons are taught together: the groups of the combined-class tree by member (class,
// course). The classes of one group holding its lesson in one slot are one lesson with one
// teacher, never a double booking.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace orve::model {
class CombinedTree;
}

namespace orve::scheduler {

class CombinedGroups
{
public:
    explicit CombinedGroups(const model::CombinedTree& tree);

    bool empty() const { return groups_.isEmpty(); }
    // True when the lessons of the two classes and courses belong to one group.
    bool together(QStringView class1, QStringView course1, QStringView class2,
                  QStringView course2) const;

private:
    // Groups of each member, by its combined-lesson entry.
    QHash<QString, QList<int>> groups_;
};

} // namespace orve::scheduler
