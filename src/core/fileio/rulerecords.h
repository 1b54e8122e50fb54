// The rule records of the course-settings file: tagged values written after the combined
// lessons, kind by kind ("jsbp", "kcbp", "cdrl", "kcts", "jsts", "ltks"), each kind in the
// order the user entered it. Fields are separated by single spaces and read from the right,
// so a teacher's or a venue's name may hold a space. A school without rules writes none, so
// its file stays byte for byte what it was; a reader that knows no rules skips the lines.
#pragma once

#include <QString>
#include <QStringView>
#include <functional>

namespace orve::model {
struct Rules;
}

namespace orve::fileio {

// Calls record(value, tag) for every rule, in the file's order.
void visitRuleRecords(const model::Rules& rules,
                      const std::function<void(const QString& value, QStringView tag)>& record);

// Whether a value (its tag included) ends in a rule tag.
bool isRuleRecord(QStringView value);
// Adds the rule of a rule record's value (its tag included); when its fields cannot be read,
// adds nothing and says why.
QString readRuleRecord(model::Rules& rules, const QString& value);

} // namespace orve::fileio
