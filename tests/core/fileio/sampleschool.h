// The small school of tests/data/school.rve, built through the tables, and helpers to compare
// what the file tests read back.
#pragma once

#include <QByteArray>
#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::test {

// A started-up workspace holding the school of school.rve: two classes, two courses, two
// teachers, a venue, two fixed-lesson entries, four combined-lesson entries in two groups,
// a few lessons and a filled plan, an empty title; unmodified, as if just opened.
void buildSampleSchool(Workspace& ws, UiPort& ui);

// The path of a file under tests/data.
QString dataFile(const QString& name);
QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);

// Compares every table the file stores; the first difference, or empty.
QString differenceInStoredTables(const Workspace& expected, const Workspace& actual);

} // namespace orve::test
