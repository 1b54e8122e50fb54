#include "workspace.h"

namespace orve {

Editor::Editor() : fixedLessonGrid(6, 6, 1, 1) {}

void Editor::forgetSchool()
{
    names.selectedClass = names.selectedCourse = names.selectedTeacher = names.selectedVenue = -1;
    fixedLessons.classChoices.clear();
    fixedLessons.classIndex = -1;
    fixedLessons.listText.clear();
}

Workspace::Workspace()
{
    model::GridSignals& plan = school.plan.changes();
    QObject::connect(&plan, &model::GridSignals::textsChanged, &notifier, &Notifier::planChanged);
    model::GridSignals& timetable = school.masterTimetable.changes();
    QObject::connect(&timetable, &model::GridSignals::textsChanged, &notifier,
                     &Notifier::timetableChanged);
    QObject::connect(&timetable, &model::GridSignals::structureChanged, &notifier,
                     &Notifier::timetableChanged);
    QObject::connect(&timetable, &model::GridSignals::formatsChanged, &notifier,
                     &Notifier::marksChanged);

    const auto schoolChanged = [this] { setModified(true); };
    for (const auto signal :
         {&Notifier::weekChanged, &Notifier::listsChanged, &Notifier::planChanged,
          &Notifier::conditionsChanged, &Notifier::titleChanged, &Notifier::timetableChanged})
        QObject::connect(&notifier, signal, &notifier, schoolChanged);
}

void Workspace::replaceSchool(model::School replacement)
{
    school = std::move(replacement);
    forgetHandChanges();
    emit notifier.schoolReplaced();
}

void Workspace::forgetHandChanges()
{
    const bool hadPick = session.pick.count != 0;
    const bool hadHistory = session.history.canUndo() || session.history.canRedo();
    session.pick = {};
    session.history.clear();
    if (hadPick)
        emit notifier.pickChanged();
    if (hadHistory)
        emit notifier.historyChanged();
}

void Workspace::setModified(bool modified)
{
    if (session.modified == modified)
        return;
    session.modified = modified;
    emit notifier.modifiedChanged(modified);
}

void Workspace::setDocumentPath(const QString& path)
{
    if (session.documentPath == path)
        return;
    session.documentPath = path;
    emit notifier.documentPathChanged(path);
}

int Workspace::periodsPerDay() const
{
    return session.periodsPerDay > 0 ? session.periodsPerDay : school.week.periodsPerDay();
}

} // namespace orve
