// FET's example schools as the optimiser is measured on them: every FET file under a folder,
// each class's courses with the most periods marked main courses as the schools of the shared
// data folder have them, and a key that tells copies of one school apart.
#pragma once

#include "model/school.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>

namespace orve::bench {

// The default folder: the examples of Debian's fet-data.
inline const QString FetExamplesFolder = QStringLiteral("/usr/share/doc/fet-data/examples");

// Every .fet file below `examples`, sorted.
QStringList fetFiles(const QDir& examples);

// In each class, up to three courses with the most periods (the earlier course first among
// equals) as long as together they fit into the mornings of the week.
void markMainCourses(model::School& school);

// The school without its title, which tells copies of one school apart.
QByteArray contentKey(model::School school);

} // namespace orve::bench
