// The distribution views: every lesson with the same teacher, or the same course, as the
// master timetable's current cell is highlighted in blue, across the school or within the
// current cell's class, to show how those lessons spread over the week.
#pragma once

#include <QStringView>

namespace orve {
class UiPort;
struct Workspace;
} // namespace orve

namespace orve::views {

enum class SpreadKey {
    Teacher,
    Course,
};

enum class SpreadScope {
    School, // every class row
    Class,  // the current cell's class row
};

// The text after the first two spaces, the second of them kept at its front; the whole text
// when there are no two spaces. Both sides of a comparison are formed alike, so the kept space
// does no harm.
QStringView teacherKey(QStringView cell);
// The text up to and including the first space; empty when there is none (so "空课", a bare
// course name and an empty cell share the empty key).
QStringView courseKey(QStringView cell);

// Shows the master timetable's tab, drops a pending swap pick, removes every colour mark, and
// colours blue every slot cell in scope whose key equals the current cell's; the current cell
// stays where it was.
void showDistribution(Workspace& ws, UiPort& ui, SpreadKey key, SpreadScope scope);

} // namespace orve::views
