// The open school with what surrounds it: the school itself (what the file saves), the editor
// state of the window's controls, the session state, and the notifier that tells the views
// what changed. The main window owns one Workspace for the whole run; commands are free
// functions of their subsystem that take it with a UiPort.
#pragma once

#include "editor.h"
#include "model/school.h"
#include "notifier.h"
#include "session.h"

#include <bitset>

namespace orve {

struct Workspace
{
    // Connects the school's grids to the notifier and every change of the school to the
    // modified flag, which says whether the school differs from what its file holds.
    Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    model::School school;
    Editor editor;
    Session session;
    Notifier notifier;

    // New and Open: the school is replaced by one assignment and the views are told; the
    // changes made by hand on the old timetable are forgotten.
    void replaceSchool(model::School replacement);
    // The master timetable was laid out afresh: a pending pick and the history of changes made
    // by hand refer to cells that are gone.
    void forgetHandChanges();
    // A pending pick refers to cells about to be replaced.
    void dropPick();
    // The school as its file now holds it (start-up, New, Open, Save): from here on the
    // modified flag says whether any part differs from it, so undoing back to it clears the
    // flag again.
    void markSaved();
    // No file holds the school as it is (what was read of a damaged file): modified until it
    // is saved.
    void markUnsaved();
    // Periods per day as the timetable was laid out; the week fields' for a school never laid
    // out.
    int periodsPerDay() const;
    void setDocumentPath(const QString& path);

private:
    void compareWithSaved(model::SchoolPart part);
    void setModified(bool modified);

    model::School saved_;
    std::bitset<model::SchoolPartCount> differing_;
    bool unsaved_ = false;
};

} // namespace orve
