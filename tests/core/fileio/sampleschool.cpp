#include "sampleschool.h"

#include "model/layouts.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QFile>

namespace orve::test {

namespace {

const QChar separator(0xF8F5);

QString entry(const QString& className, const QString& course)
{
    return className + separator + course;
}

QString gridDifference(const model::Grid& expected, const model::Grid& actual, int firstRow,
                       int firstColumn, const char* name)
{
    if (expected.rowCount() != actual.rowCount() || expected.columnCount() != actual.columnCount())
        return QStringLiteral("%1: size %2x%3, expected %4x%5")
            .arg(QLatin1String(name))
            .arg(actual.rowCount())
            .arg(actual.columnCount())
            .arg(expected.rowCount())
            .arg(expected.columnCount());
    for (int r = firstRow; r < expected.rowCount(); ++r)
        for (int c = firstColumn; c < expected.columnCount(); ++c)
            if (expected.text({r, c}) != actual.text({r, c}))
                return QStringLiteral("%1 (%2, %3): \"%4\", expected \"%5\"")
                    .arg(QLatin1String(name))
                    .arg(r)
                    .arg(c)
                    .arg(actual.text({r, c}), expected.text({r, c}));
    return {};
}

} // namespace

void buildSampleSchool(Workspace& ws, UiPort& ui)
{
    school::startUp(ws, ui);
    const QString c1 = QStringLiteral(u"初一(1)");
    const QString c2 = QStringLiteral(u"初一(2)");
    const QString chinese = QStringLiteral(u"语文");
    const QString maths = QStringLiteral(u"数学");
    const QString zhang = QStringLiteral(u"张三");
    const QString li = QStringLiteral(u"李四");
    ws.school.classes = {c1, c2};
    ws.school.venues = {QStringLiteral(u"操场")};
    ws.school.courses = {chinese, maths};
    ws.school.teachers = {zhang, li};
    ws.school.fixedLessons = {c1 + QStringLiteral(u" 语文 1 1"), c2 + QStringLiteral(u" 空课 5 3")};
    ws.school.combinedLessons = {entry(c1, chinese), entry(c2, chinese), entry(c1, maths),
                                 entry(c2, maths)};

    ws.school.combinedGroups.reset();
    const QString rootText = model::CombinedTree::rootText();
    ws.school.combinedGroups.setKey(0, rootText);
    const QString group1 = QStringLiteral(u"合班课1");
    const QString group2 = QStringLiteral(u"合班课2");
    const int g1 = ws.school.combinedGroups.addChild(0, group1, group1);
    ws.school.combinedGroups.addChild(g1, QStringLiteral("1nkey"), entry(c1, chinese));
    ws.school.combinedGroups.addChild(g1, QStringLiteral("2nkey"), entry(c2, chinese));
    const int g2 = ws.school.combinedGroups.addChild(0, group2, group2);
    ws.school.combinedGroups.addChild(g2, QStringLiteral("3nkey"), entry(c1, maths));
    ws.school.combinedGroups.addChild(g2, QStringLiteral("4nkey"), entry(c2, maths));

    school::rebuildPlanSkeleton(ws.school);
    const QStringList plan[] = {
        {zhang,
         QStringLiteral(u"主"),
         QStringLiteral("5"),
         QStringLiteral(u"一致"),
         QStringLiteral(u"合班"),
         {},
         QStringLiteral("5")},
        {li,
         {},
         QStringLiteral("4"),
         {},
         QStringLiteral(u"合班"),
         QStringLiteral(u"操场"),
         QStringLiteral("4")},
        {zhang,
         QStringLiteral(u"主"),
         QStringLiteral("5"),
         {},
         QStringLiteral(u"合班"),
         {},
         QStringLiteral("5")},
        {{}, {}, {}, {}, QStringLiteral(u"合班"), {}, {}},
    };
    for (int row = 1; row <= 4; ++row)
        for (int c = school::TeacherColumn; c < school::PlanColumnCount; ++c)
            ws.school.plan.setText({row, c}, plan[row - 1].at(c - school::TeacherColumn));

    school::layOutEmptyMasterTimetable(ws);
    const QString chineseLesson = chinese + QStringLiteral("  ") + zhang;
    const QString mathsLesson = maths + QStringLiteral("  ") + li;
    ws.school.masterTimetable.setText({2, 1}, chineseLesson);
    ws.school.masterTimetable.setText({3, 1}, chineseLesson);
    ws.school.masterTimetable.setText({2, 2}, mathsLesson);
    ws.school.masterTimetable.setText({3, 2}, mathsLesson);
    ws.school.masterTimetable.setText({3, 7}, chineseLesson);
    ws.school.masterTimetable.setText({3, 23}, QStringLiteral(u"空课"));
    ws.school.masterTimetable.setText({2, 25}, maths);
    // As if just opened from school.rve: nothing to save.
    ws.markSaved();
}

QString dataFile(const QString& name)
{
    return QStringLiteral(ORVE_TEST_DATA_DIR "/") + name;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString differenceInStoredTables(const Workspace& expected, const Workspace& actual)
{
    const struct
    {
        const QStringList& expected;
        const QStringList& actual;
        const char* name;
    } lists[] = {{expected.school.classes, actual.school.classes, "List1"},
                 {expected.school.venues, actual.school.venues, "List2"},
                 {expected.school.courses, actual.school.courses, "List10"},
                 {expected.school.teachers, actual.school.teachers, "List11"},
                 {expected.school.fixedLessons, actual.school.fixedLessons, "Combo6"},
                 {expected.school.combinedLessons, actual.school.combinedLessons, "Combo3"}};
    for (const auto& list : lists)
        if (list.expected != list.actual)
            return QStringLiteral("%1: [%2], expected [%3]")
                .arg(QLatin1String(list.name), list.actual.join(u'|'), list.expected.join(u'|'));
    if (!(expected.school.combinedGroups == actual.school.combinedGroups))
        return QStringLiteral("Tr3 differs");
    const auto& w = expected.school.week;
    const auto& a = actual.school.week;
    if (w.morning != a.morning || w.afternoon != a.afternoon || w.evening != a.evening ||
        w.days != a.days)
        return QStringLiteral("week fields differ");
    if (expected.school.title != actual.school.title)
        return QStringLiteral("Text9: \"%1\"").arg(actual.school.title);
    if (!(expected.school.rules == actual.school.rules))
        return QStringLiteral("rules differ");
    QString difference = gridDifference(expected.school.plan, actual.school.plan, 0, 0, "jhb");
    if (difference.isEmpty())
        difference = gridDifference(expected.school.masterTimetable, actual.school.masterTimetable,
                                    2, 1, "MSGrid");
    return difference;
}

} // namespace orve::test
