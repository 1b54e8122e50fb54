// Reads the master timetable of the open school into the optimiser's lessons, and tells the
// cell texts the lessons make afterwards. What it reads:
//  - "空课" cells and cells that a fixed-lesson entry holds never move; an entry that names a
//    member of a combined group fixes that group's lesson;
//  - the classes of a combined group holding its lesson in one slot are one lesson (a group
//    the timetable has split stays in its parts, each moving as a whole);
//  - every other cell is a lesson of its class, booking the teacher its text names;
//  - the plan's periods that the rows do not hold are unplaced lessons: a combined group's
//    lesson for all its classes at once, else one lesson per missing period;
//  - every class keeps at least the lessons of each course it holds now;
//  - the school's rules bind every lesson (see conditions/ruletally.h).
#pragma once

#include "lessontable.h"

#include "conditions/rulebook.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace orve::model {
struct School;
}

namespace orve::optimiser {

struct LoadedTimetable
{
    std::unique_ptr<conditions::RuleBook> book; // the table's rules, made before the table
    LessonTable table;
    QStringList texts;      // cell texts by the lessons' text numbers
    QStringList groupNames; // the combined groups' names by the lessons' group numbers

    // The text the lessons put into a class's cell; empty when the cell is free.
    QString cellText(int classIndex, int slot) const;
    // Whether the lesson there is a combined group's.
    bool combinedAt(int classIndex, int slot) const;
    // Each group with lessons the table leaves unplaced, and how many, as a run reports them.
    QStringList unplacedCombined() const;
};

// `periodsPerDay` as the timetable was laid out.
LoadedTimetable loadTimetable(const model::School& school, int periodsPerDay);

} // namespace orve::optimiser
