// fet-schools OUTDIR [EXAMPLES] [--teacher-rules]: converts every FET file under EXAMPLES (by
// default the examples of Debian's fet-data) into a course-settings file in OUTDIR, for timing
// the scheduling run and the optimiser on many real schools. With --teacher-rules the
// teachers' rules FET's file holds are kept (and only schools that have some are written).
// Each class's courses with the most periods are marked main courses as
// the schools of the shared data folder have them; a file that converts to a school already written
// (the same file kept in two places, or with FET's timetable beside it) is left out. Prints one
// line per file.
#include "fet/fetimport.h"
#include "fileio/savedata.h"
#include "model/numbers.h"
#include "model/school.h"
#include "school/teachingplan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cstdio>

namespace {

using namespace orve;

// In each class, up to three courses with the most periods (the earlier course first among
// equals) as long as together they fit into the mornings of the week.
void markMainCourses(model::School& school)
{
    constexpr int MainCourses = 3;
    const int mornings = school.week.morningPeriods() * school.week.daysPerWeek();
    model::Grid& plan = school.plan;
    const auto periods = [&plan](int row) {
        return model::leadingInteger(plan.text({row, school::PeriodsColumn}), 0, 9999);
    };
    const int courses = int(school.courses.size());
    for (int c = 0; c < school.classes.size(); ++c) {
        std::vector<int> rows;
        for (int k = 0; k < courses; ++k)
            if (const int row = c * courses + k + 1; row < plan.rowCount() && periods(row) > 0)
                rows.push_back(row);
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return periods(a) > periods(b); });
        int taken = 0;
        for (int i = 0; i < int(rows.size()) && i < MainCourses; ++i) {
            taken += periods(rows[std::size_t(i)]);
            if (taken > mornings)
                break;
            plan.setText({rows[std::size_t(i)], school::MainMarkColumn}, school::MainCourseMark);
        }
    }
}

// The school without its title, which tells copies of one school apart.
QByteArray contentKey(model::School school)
{
    school.title.clear();
    return QCryptographicHash::hash(fileio::settingsText(school).toUtf8(),
                                    QCryptographicHash::Sha1);
}

// A file name from the example's path below the examples folder.
QString schoolName(const QDir& examples, const QString& path)
{
    QString name = examples.relativeFilePath(path);
    name.chop(4); // ".fet"
    name.replace(u'/', u'-');
    return name + QStringLiteral(".rve");
}

void printLine(const QString& text)
{
    std::puts(text.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption teacherRules(QStringLiteral("teacher-rules"),
                                          QStringLiteral("Keep the teachers' rules; only schools "
                                                         "with some."));
    parser.addOption(teacherRules);
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Where to write."));
    parser.addPositionalArgument(QStringLiteral("EXAMPLES"), QStringLiteral("FET files."),
                                 QStringLiteral("[EXAMPLES]"));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.size() > 2)
        parser.showHelp(2);
    const QDir out(arguments.at(0));
    if (!QDir().mkpath(out.path()))
        return 1;
    const QDir examples(arguments.size() == 2 ? arguments.at(1)
                                              : QStringLiteral("/usr/share/doc/fet-data/examples"));
    QStringList files;
    QDirIterator found(examples.path(), {QStringLiteral("*.fet")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    files.sort();

    QSet<QByteArray> written;
    int converted = 0;
    for (const QString& path : files) {
        exchange::FetImport imported = exchange::importFetFile(path);
        if (!imported.ok()) {
            printLine(QStringLiteral("refused %1: %2").arg(path, imported.error));
            continue;
        }
        model::Rules& rules = imported.opened.school.rules;
        if (!parser.isSet(teacherRules))
            rules = {};
        else if (rules.empty())
            continue;
        markMainCourses(imported.opened.school);
        const QByteArray key = contentKey(imported.opened.school);
        if (written.contains(key)) {
            printLine(QStringLiteral("copy    %1").arg(path));
            continue;
        }
        written.insert(key);
        const QString name = out.filePath(schoolName(examples, path));
        if (!fileio::writeSchoolFile(imported.opened.school, name).written()) {
            printLine(QStringLiteral("failed  %1").arg(name));
            continue;
        }
        ++converted;
        printLine(QStringLiteral("wrote   %1").arg(name));
    }
    printLine(QStringLiteral("%1 schools from %2 files").arg(converted).arg(files.size()));
    return 0;
}
