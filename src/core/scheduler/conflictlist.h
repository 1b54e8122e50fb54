// The entries of the conflict list that a scheduling run leaves: "row column  class：lesson"
// for every lesson still double-booked. Only the two numbers are read back.
#pragma once

#include "model/cellref.h"

#include <QString>
#include <QStringView>

namespace orve::scheduler {

QString conflictEntry(model::CellRef at, QStringView className, QStringView lesson);

// The cell an entry names; (0, 0) when its numbers cannot be read.
model::CellRef conflictCell(QStringView entry);

} // namespace orve::scheduler
