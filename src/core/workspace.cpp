#include "workspace.h"

#include <utility>

namespace orve {

Editor::Editor() : fixedLessonGrid(6, 6, 1, 1) {}

void Editor::forgetSchool()
{
    names.selectedClass = names.selectedCourse = names.selectedTeacher = names.selectedVenue = -1;
    fixedLessons.classChoices.clear();
    fixedLessons.classIndex = -1;
    fixedLessons.listText.clear();
    names.entry.clear();
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

    using model::SchoolPart;
    const std::pair<void (Notifier::*)(), SchoolPart> parts[] = {
        {&Notifier::weekChanged, SchoolPart::Week},
        {&Notifier::listsChanged, SchoolPart::Lists},
        {&Notifier::planChanged, SchoolPart::Plan},
        {&Notifier::conditionsChanged, SchoolPart::Conditions},
        {&Notifier::titleChanged, SchoolPart::Title},
        {&Notifier::timetableChanged, SchoolPart::Timetable},
    };
    for (const auto& [signal, part] : parts)
        QObject::connect(&notifier, signal, &notifier,
                         [this, part = part] { compareWithSaved(part); });
}

void Workspace::replaceSchool(model::School replacement)
{
    school = std::move(replacement);
    forgetHandChanges();
    // The conflicts named cells of the old timetable.
    session.conflicts.clear();
    emit notifier.schoolReplaced();
}

void Workspace::forgetHandChanges()
{
    dropPick();
    const bool hadHistory = session.history.canUndo() || session.history.canRedo();
    session.history.clear();
    if (hadHistory)
        emit notifier.historyChanged();
}

void Workspace::dropPick()
{
    if (session.pick.count == 0)
        return;
    session.pick = {};
    emit notifier.pickChanged();
}

void Workspace::markSaved()
{
    saved_ = school;
    differing_.reset();
    unsaved_ = false;
    setModified(false);
}

void Workspace::markUnsaved()
{
    unsaved_ = true;
    setModified(true);
}

void Workspace::compareWithSaved(model::SchoolPart part)
{
    differing_[std::size_t(part)] = !model::samePart(school, saved_, part);
    setModified(unsaved_ || differing_.any());
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
