#include "fetfile.h"

#include "xmltree.h"

namespace orve::exchange {

namespace {

constexpr double HardWeight = 100.0;

QStringList namesIn(const XmlElement* list, QStringView item)
{
    QStringList names;
    if (!list)
        return names;
    for (const XmlElement& element : list->children)
        if (element.name == item)
            names.append(element.childText(u"Name"));
    return names;
}

std::vector<FetYear> yearsIn(const XmlElement* list)
{
    std::vector<FetYear> years;
    if (!list)
        return years;
    for (const XmlElement& year : list->children) {
        if (year.name != u"Year")
            continue;
        FetYear read{year.childText(u"Name"), {}};
        for (const XmlElement& group : year.children)
            if (group.name == u"Group")
                read.groups.push_back({group.childText(u"Name"), namesIn(&group, u"Subgroup")});
        years.push_back(std::move(read));
    }
    return years;
}

std::vector<FetActivity> activitiesIn(const XmlElement* list)
{
    std::vector<FetActivity> activities;
    if (!list)
        return activities;
    for (const XmlElement& element : list->children) {
        if (element.name != u"Activity")
            continue;
        FetActivity activity;
        activity.id = element.childText(u"Id").toInt();
        activity.teachers = element.childTexts(u"Teacher");
        activity.subject = element.childText(u"Subject");
        activity.students = element.childTexts(u"Students");
        activity.tags = element.childTexts(u"Activity_Tag");
        activity.duration = std::max(1, element.childText(u"Duration").toInt());
        activity.active = element.childText(u"Active") != u"false";
        activities.push_back(std::move(activity));
    }
    return activities;
}

std::vector<FetTime> timesIn(const XmlElement& constraint, QStringView item)
{
    std::vector<FetTime> times;
    for (const XmlElement& time : constraint.children)
        if (time.name == item)
            times.push_back({time.childText(u"Day"), time.childText(u"Hour")});
    return times;
}

// Sorts one constraint into what the import carries over or counts among the others.
void readConstraint(const XmlElement& constraint, FetFile& file)
{
    if (constraint.childText(u"Active") == u"false")
        return;
    const QString& kind = constraint.name;
    const bool hard = constraint.childText(u"Weight_Percentage").toDouble() >= HardWeight;
    if (kind == u"ConstraintBasicCompulsoryTime" || kind == u"ConstraintBasicCompulsorySpace")
        return; // what every timetable obeys anyway
    if (hard && kind == u"ConstraintTeacherNotAvailableTimes")
        file.teacherNotAvailable.push_back(
            {constraint.childText(u"Teacher"), timesIn(constraint, u"Not_Available_Time")});
    else if (hard && kind == u"ConstraintTeacherMaxHoursDaily")
        file.teacherMaxDaily.push_back({constraint.childText(u"Teacher_Name"),
                                        constraint.childText(u"Maximum_Hours_Daily").toInt()});
    else if (hard && kind == u"ConstraintTeachersMaxHoursDaily")
        file.teacherMaxDaily.push_back(
            {QString(), constraint.childText(u"Maximum_Hours_Daily").toInt()});
    else if (hard && kind == u"ConstraintStudentsSetNotAvailableTimes")
        file.studentsNotAvailable.push_back(
            {constraint.childText(u"Students"), timesIn(constraint, u"Not_Available_Time")});
    else if (hard && kind == u"ConstraintBreakTimes") {
        const std::vector<FetTime> breaks = timesIn(constraint, u"Break_Time");
        file.breaks.insert(file.breaks.end(), breaks.cbegin(), breaks.cend());
    } else if (hard && kind == u"ConstraintActivityPreferredStartingTime")
        file.lockedStarts.push_back(
            {constraint.childText(u"Activity_Id").toInt(),
             {constraint.childText(u"Preferred_Day"), constraint.childText(u"Preferred_Hour")}});
    else if (kind == u"ConstraintSubjectPreferredRoom")
        file.subjectRooms.push_back(
            {constraint.childText(u"Subject"), constraint.childText(u"Room")});
    else
        ++file.otherConstraints[kind];
}

} // namespace

QString readFetFile(const QByteArray& bytes, FetFile& file)
{
    XmlElement root;
    QString error;
    if (!readXmlTree(bytes, root, error))
        return QStringLiteral(u"不是可以读取的 FET 文件（%1）。").arg(error);
    if (root.name != u"fet")
        return QStringLiteral(u"不是 FET 文件：文件中没有 FET 的数据。");
    file = {};
    file.institution = root.childText(u"Institution_Name");
    file.days = namesIn(root.child(u"Days_List"), u"Day");
    file.hours = namesIn(root.child(u"Hours_List"), u"Hour");
    file.subjects = namesIn(root.child(u"Subjects_List"), u"Subject");
    file.teachers = namesIn(root.child(u"Teachers_List"), u"Teacher");
    file.rooms = namesIn(root.child(u"Rooms_List"), u"Room");
    file.years = yearsIn(root.child(u"Students_List"));
    file.activities = activitiesIn(root.child(u"Activities_List"));
    for (const QStringView list : {u"Time_Constraints_List", u"Space_Constraints_List"})
        if (const XmlElement* constraints = root.child(list))
            for (const XmlElement& constraint : constraints->children)
                readConstraint(constraint, file);
    return {};
}

} // namespace orve::exchange
