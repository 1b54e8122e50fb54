// What belongs to this run of the program and not to the school: the files, the layout last
// computed, the modes and marks of the manual adjustment and the conflicts of the last run.
#pragma once

#include "model/cellmarks.h"
#include "model/cellref.h"
#include "model/chinesenumeral.h"
#include "model/conflict.h"
#include "model/exchangehistory.h"
#include "recentfiles.h"

#include <QString>
#include <QStringList>

namespace orve {

// What the print window was last asked to print. The master timetable's print command sets
// it, and so do the class and teacher timetables.
enum class PrintKind {
    TeacherTimetable = 0,
    MasterTimetable = 1,
    ClassTimetable = 2,
};

// A lesson picked for a swap: how many clicks so far and which cell.
struct Pick
{
    int count = 0;
    model::CellRef cell;
};

struct Session
{
    QString documentPath; // the file the open school belongs to
    QString ioPath;       // the file the next read or write uses
    // Whether the school changed since it was opened, saved or started.
    bool modified = false;
    // Where the user last chose a file; the file dialogs start there when no document is open.
    QString lastFolder;
    RecentFiles recentFiles;

    // Periods per day as last computed (start-up, every relayout, Open, every scheduling run).
    int periodsPerDay = 0;
    model::ChineseNumeral chineseNumeral;
    // True while the master timetable holds a timetable read from a file.
    bool timetableLoaded = false;

    // Colours of an unmarked master-timetable cell, captured at start-up.
    model::CellColours normalColours;

    bool forcedSwapMode = false;
    Pick pick;
    // The changes made by hand on the master timetable since it was last laid out, scheduled
    // or replaced.
    model::ExchangeHistory history;

    PrintKind printKind = PrintKind::MasterTimetable;

    // The lessons a scheduling run left double-booked or breaking a rule, as the repairs and
    // hand changes since have left them.
    model::Conflicts conflicts;
};

} // namespace orve
