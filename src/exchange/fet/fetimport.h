// A FET file read into a new school: the week (its days, its hours split into morning,
// afternoon and evening), years and groups as classes, subjects as courses, the teachers,
// activities as plan rows with their periods, activities of several classes with one teacher
// as combined groups, a subject's preferred room as its venue, locked starting times as fixed
// lessons, the students' not-available times and the breaks as "空课", the teachers'
// not-available times and most hours a day as the school's rules. What cannot be carried
// over, and every name changed to fit, is told in the report.
#pragma once

#include "fileio/schoolreader.h"

#include <QStringList>
#include <vector>

namespace orve::exchange {

struct FetImport
{
    // The school read, laid out as Open lays out a school it has read: ready for
    // fileio::takeOpenedSchool, or to be saved as it is.
    fileio::OpenedSchool opened;
    QStringList report; // one point a line
    QString error;      // why the file could not be read; empty when it was

    bool ok() const { return error.isEmpty(); }
};

// `into` is what Open reads into (fileio::openingFrom(ws) in the window, so that the grids
// keep the window's measures; a fresh one elsewhere). Its tables are all replaced.
FetImport importFet(const QByteArray& bytes, fileio::OpenedSchool into = fileio::OpenedSchool());
FetImport importFetFile(const QString& path, fileio::OpenedSchool into = fileio::OpenedSchool());

} // namespace orve::exchange
