#include "importpreview.h"

#include "workspace.h"

#include <algorithm>

namespace orve::exchange {

QString outcomeName(RowOutcome outcome)
{
    switch (outcome) {
    case RowOutcome::Added:
        return QStringLiteral(u"新增");
    case RowOutcome::Updated:
        return QStringLiteral(u"更新");
    case RowOutcome::Unchanged:
        return QStringLiteral(u"不变");
    case RowOutcome::Refused:
        return QStringLiteral(u"拒绝");
    }
    return {};
}

int ImportPreview::count(RowOutcome outcome) const
{
    return int(std::count_if(rows.cbegin(), rows.cend(),
                             [outcome](const RowResult& row) { return row.outcome == outcome; }));
}

bool ImportPreview::changesSchool() const
{
    return count(RowOutcome::Added) > 0 || count(RowOutcome::Updated) > 0;
}

void applyImport(Workspace& ws, const ImportPreview& preview)
{
    if (!preview.changesSchool())
        return;
    const model::School& imported = preview.school;
    {
        // The plan tells its views once, after the lists it refers to are in place.
        model::RedrawSuspender quiet(ws.school.plan);
        ws.school.classes = imported.classes;
        ws.school.courses = imported.courses;
        ws.school.teachers = imported.teachers;
        ws.school.venues = imported.venues;
        ws.school.combinedLessons = imported.combinedLessons;
        ws.school.combinedGroups = imported.combinedGroups;
        ws.school.plan = imported.plan;
    }
    emit ws.notifier.listsChanged();
    emit ws.notifier.conditionsChanged();
}

} // namespace orve::exchange
