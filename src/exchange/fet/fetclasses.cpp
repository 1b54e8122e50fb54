#include "fetclasses.h"

namespace orve::exchange {

FetClasses::FetClasses(const std::vector<FetYear>& years, NameFitter& names)
{
    for (const FetYear& year : years) {
        QStringList yearClasses;
        if (year.groups.empty())
            yearClasses.append(names.fit(year.name));
        for (const FetGroup& group : year.groups) {
            // A group can belong to several years under one name: it is one class.
            const QString name = names.fit(group.name);
            sets_.insert(group.name, {name});
            yearClasses.append(name);
        }
        sets_.insert(year.name, yearClasses);
        for (const QString& name : yearClasses)
            if (!classes_.contains(name))
                classes_.append(name);
    }
}

StudentsClasses FetClasses::of(const QStringList& studentsSets) const
{
    StudentsClasses result;
    for (const QString& set : studentsSets) {
        const auto found = sets_.constFind(set);
        if (found == sets_.cend()) {
            result.partial = true;
            continue;
        }
        for (const QString& name : *found)
            if (!result.classes.contains(name))
                result.classes.append(name);
    }
    return result;
}

} // namespace orve::exchange
