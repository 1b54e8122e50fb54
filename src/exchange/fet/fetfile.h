// What the import takes from a FET file (FET, the free timetabler: lists, activities and
// constraints in XML), by FET's own names, before anything is made of it for the school.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace orve::exchange {

struct FetTime
{
    QString day;  // FET's day name
    QString hour; // FET's hour name
};

struct FetGroup
{
    QString name;
    QStringList subgroups;
};

struct FetYear
{
    QString name;
    std::vector<FetGroup> groups;
};

struct FetActivity
{
    int id = 0;
    QStringList teachers;
    QString subject;
    QStringList students; // names of years, groups or subgroups
    QStringList tags;
    int duration = 1;
    bool active = true;
};

// Times a teacher or a students set is not available.
struct FetTimes
{
    QString owner;
    std::vector<FetTime> times;
};

// A teacher's most hours a day; an empty teacher stands for every teacher.
struct FetTeacherLimit
{
    QString teacher;
    int hours = 0;
};

struct FetLockedStart
{
    int activityId = 0;
    FetTime time;
};

struct FetSubjectRoom
{
    QString subject;
    QString room;
};

struct FetFile
{
    QString institution;
    QStringList days;
    QStringList hours;
    QStringList subjects;
    QStringList teachers;
    QStringList rooms;
    std::vector<FetYear> years;
    std::vector<FetActivity> activities;
    // The hard constraints the import can carry over; soft ones count among the others.
    std::vector<FetTimes> teacherNotAvailable;
    std::vector<FetTimes> studentsNotAvailable;
    std::vector<FetTeacherLimit> teacherMaxDaily;
    std::vector<FetTime> breaks;
    std::vector<FetLockedStart> lockedStarts;
    std::vector<FetSubjectRoom> subjectRooms;
    // Every other active constraint, counted by FET's element name.
    std::map<QString, int> otherConstraints;
};

// Reads the file's bytes; returns why they are no FET file, empty when they were read.
QString readFetFile(const QByteArray& bytes, FetFile& file);

} // namespace orve::exchange
