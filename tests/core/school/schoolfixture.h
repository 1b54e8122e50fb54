// Helpers of the school-data tests: a started workspace and names entered as a user would,
// through the active list and the entry field.
#pragma once

#include "fakeuiport.h"
#include "school/namelist.h"
#include "school/namelistcommands.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace orve::test {

// A workspace right after start-up, with a recording UiPort.
struct School
{
    Workspace ws;
    FakeUiPort ui;

    School() { school::startUp(ws, ui); }
};

inline void enterNames(Workspace& ws, UiPort& ui, school::NameList list, const QStringList& names)
{
    school::makeListActive(ws, ui, list);
    for (const QString& name : names) {
        ws.editor.names.entry = name;
        school::addName(ws, ui);
    }
}

// The class and course cells of rows 1 to the last.
inline std::vector<std::pair<QString, QString>> planPairs(const Workspace& ws)
{
    std::vector<std::pair<QString, QString>> pairs;
    for (int row = 1; row < ws.school.plan.rowCount(); ++row)
        pairs.emplace_back(ws.school.plan.text({row, school::ClassColumn}),
                           ws.school.plan.text({row, school::CourseColumn}));
    return pairs;
}

// The plan rows of every class and course in block layout.
inline std::vector<std::pair<QString, QString>> blockLayout(const QStringList& classes,
                                                            const QStringList& courses)
{
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& className : classes)
        for (const QString& course : courses)
            pairs.emplace_back(className, course);
    return pairs;
}

} // namespace orve::test
