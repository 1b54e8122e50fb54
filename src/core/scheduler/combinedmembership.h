// Which classes are taught together: the groups of the combined-class tree by member (class,
// U+F8F5, course). Lessons of one group in one slot share their teacher without being a
// double booking.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace orve::conditions {
class CombinedTree;
}

namespace orve::scheduler {

class CombinedMembership
{
public:
    explicit CombinedMembership(const conditions::CombinedTree& tree);

    bool empty() const { return groups_.isEmpty(); }
    // True when the two members share a group.
    bool together(const QString& member1, const QString& member2) const;

    static QString memberKey(QStringView className, QStringView course);

private:
    QHash<QString, QList<int>> groups_;
};

} // namespace orve::scheduler
