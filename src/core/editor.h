// What the editing controls of the window hold between commands: the name entry and the
// selected names, the choices the plan's choosers offer, and the fixed-lesson editor. None
// of it is saved; New and Open reset what refers to the old school.
#pragma once

#include "model/grid.h"

#include <QString>
#include <QStringList>

namespace orve {

// The name lists of the first tab: which list is active, the entry field and the selections
// (-1: none).
struct NamesEditor
{
    QString heading = QStringLiteral(u" 学校总班级一览表");
    // The active list's name; the list commands know the active list by it.
    QString listTitle = QStringLiteral(u"班级名称");
    QString entry;
    int selectedClass = -1;
    int selectedCourse = -1;
    int selectedTeacher = -1;
    int selectedVenue = -1;
};

// The entries of the teaching plan's choosers as the plan command last filled them.
struct PlanChoosers
{
    QStringList teacherChoices;
    QStringList periodChoices;
    QStringList venueChoices;
    QStringList copySourceChoices;  // classes whose plan may be copied
    QStringList classFinderChoices; // classes to scroll the plan to
};

// The fixed-lesson editor: the class chooser (classes, then "全体班级") with its index also
// shown as a number, the course chooser (courses, then "空课") and whether it is shown, and
// the text box of the entry list.
struct FixedLessonChoosers
{
    QStringList classChoices;
    int classIndex = -1; // -1: no class chosen
    QString classNumber;
    QStringList courseChoices;
    bool courseChooserShown = false;
    QString listText;

    QString classText() const
    {
        return classIndex >= 0 && classIndex < classChoices.size() ? classChoices.at(classIndex)
                                                                   : QString();
    }
};

struct Editor
{
    Editor();

    // New and Open: nothing stays selected, chosen or typed that named the old school.
    void forgetSchool();

    NamesEditor names;
    PlanChoosers plan;
    FixedLessonChoosers fixedLessons;
    // One class's fixed lessons: row = period, column = day.
    model::Grid fixedLessonGrid;
};

} // namespace orve
