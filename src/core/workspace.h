// The tables of the open school. The main window owns one Workspace for the whole run;
// commands are free functions of their subsystem that take it with a UiPort.
#pragma once

#include "conditions/combinedtree.h"
#include "conditions/fixedlessonchoosers.h"
#include "model/chinesenumeral.h"
#include "model/grid.h"
#include "model/weekstructure.h"

#include <QStringList>

namespace orve {

struct Workspace
{
    Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Week structure fields Text1, Text2, Text4, Text8 and the periods per day N as last
    // computed (by start-up, every relayout, Open and every scheduling run).
    model::WeekStructure week;
    int periodsPerDay = 0;
    model::ChineseNumeral chineseNumeral;

    // Name lists: classes, courses, teachers, shared venues.
    QStringList List1;
    QStringList List10;
    QStringList List11;
    QStringList List2;

    // Name-list editing on the first tab: the heading Label8, the list name Label11 (by which
    // the commands know the active list), the entry field Text6 and the selected entry of each
    // list (-1: none).
    QString Label8 = QStringLiteral(u" 学校总班级一览表");
    QString Label11 = QStringLiteral(u"班级名称");
    QString Text6;
    int List1Selected = -1;
    int List10Selected = -1;
    int List11Selected = -1;
    int List2Selected = -1;

    model::Grid jhb;     // teaching plan

    // Entries of the teaching-plan choosers as jxjh last filled them: teachers, period counts,
    // venues, the copy-plan source classes and the classes to scroll to.
    QStringList Combo5;
    QStringList Combo8;
    QStringList Combo9;
    QStringList Combo10;
    QStringList Combo1;

    // Combined classes: the combined-lesson list (entries class, U+F8F5, course) and the tree
    // of groups whose members are such entries.
    QStringList Combo3;
    conditions::CombinedTree Tr3;

    // Fixed-lesson entries: class, course or "空课", day, period, separated by single spaces.
    QStringList Combo6;
    // The class and course choosers of the fixed-lesson editor and the list's text box.
    conditions::FixedLessonChoosers fixedLessonChoosers;

    model::Grid msgrid1; // fixed-lesson grid: row = period, column = day
    model::Grid MSGrid;  // master timetable

    // Conflict list of a scheduling run: class row and slot column of double-booked lessons.
    QStringList Combo2;

    // True while the master timetable holds a timetable read from a file.
    bool timetableLoaded = false;
    // Master timetable size as last laid out or loaded.
    int masterColumnCount = 0;
    int masterRowCount = 0;

    // Forced-swap mode: the check mark of the menu item qxtk.
    bool forcedSwapMode = false;

    QString Text9; // title of the timetable

    // Colours of an unmarked master-timetable cell, captured at start-up.
    model::Colour normalBackColour = model::StandardColour;
    model::Colour normalTextColour = model::StandardColour;

    QString documentPath; // the file the open school belongs to
    QString ioPath;       // the file the next read or write uses
};

} // namespace orve
