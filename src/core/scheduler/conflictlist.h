// The entries of the conflict list that a scheduling run leaves: "row column  class：lesson"
// for every lesson still double-booked, and with "（违反“rule”）" after it for a lesson that
// breaks a rule of the school (with the rules attached to the index). Only the two numbers
// are read back.
#pragma once

#include "model/cellref.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace orve::scheduler {

class CombinedGroups;
class TeacherIndex;

QString conflictEntry(model::CellRef at, QStringView className, QStringView lesson);

// The cell an entry names; (0, 0) when its numbers cannot be read.
model::CellRef conflictCell(QStringView entry);

// Leaves in the list exactly the lessons double-booked or breaking a rule now: the entries whose lesson still
// is, in their order and rewritten for what their cell holds, then every other such lesson,
// column by column. Returns the entries added.
QStringList updateConflictList(QStringList& list, const TeacherIndex& index,
                               const CombinedGroups& groups);

} // namespace orve::scheduler
