// FET's students as this program's classes: a year divided into groups gives one class per
// group, a year without groups is a class itself. A subgroup is part of a class: what it takes
// alone (often one of several courses taught in parallel) has no place in a class's plan.
#pragma once

#include "fetfile.h"
#include "namefitting.h"

#include <QHash>
#include <QStringList>

namespace orve::exchange {

// The classes a students set stands for.
struct StudentsClasses
{
    QStringList classes;  // this program's names, each once, in the order the sets name them
    bool partial = false; // some of the students are only part of a class (or unknown)
};

class FetClasses
{
public:
    FetClasses(const std::vector<FetYear>& years, NameFitter& names);

    // The classes in FET's order, as this program names them.
    const QStringList& classes() const { return classes_; }
    StudentsClasses of(const QStringList& studentsSets) const;

private:
    QStringList classes_;
    QHash<QString, QStringList> sets_; // a year's or a group's FET name -> classes
};

} // namespace orve::exchange
