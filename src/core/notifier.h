// What changed in the open school and its session, as typed signals. Commands announce their
// changes here (the school's grids announce theirs by themselves); views refresh from these
// signals and never from a command, and the modified flag follows them.
#pragma once

#include <QObject>

namespace orve {

class Notifier : public QObject
{
    Q_OBJECT

signals:
    // New or Open replaced the whole school: every view shows it afresh.
    void schoolReplaced();
    void weekChanged();
    // Any of the four name lists.
    void listsChanged();
    // Texts of the teaching plan.
    void planChanged();
    // Combined lessons, combined-class groups or fixed lessons.
    void conditionsChanged();
    void titleChanged();
    // Texts or layout of the master timetable.
    void timetableChanged();
    // Colours or styles of the master timetable only: markers, not saved.
    void marksChanged();
    void pickChanged();
    // Steps were recorded, undone, redone or forgotten.
    void historyChanged();
    void conflictsChanged();
    // The active name list, the entry field or a selection.
    void namesEditorChanged();
    // The choices the teaching plan's choosers offer.
    void planEditorChanged();
    // The fixed-lesson editor's choosers, grid or list text.
    void fixedLessonEditorChanged();
    void forcedSwapModeChanged(bool on);
    void modifiedChanged(bool modified);
    // The file the open school belongs to (session.documentPath).
    void documentPathChanged(const QString& path);
    // The school was written to `path` (Save or Save As).
    void saved(const QString& path);
    // The recent files or the last folder of the file dialogs.
    void fileHistoryChanged();
};

} // namespace orve
