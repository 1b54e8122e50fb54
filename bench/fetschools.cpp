// fet-schools OUTDIR [EXAMPLES] [--teacher-rules]: converts every FET file under EXAMPLES (by
// default the examples of Debian's fet-data) into a course-settings file in OUTDIR, for timing
// the scheduling run and the optimiser on many real schools. With --teacher-rules the
// teachers' rules FET's file holds are kept (and only schools that have some are written).
// Each class's courses with the most periods are marked main courses as
// the schools of the shared data folder have them; a file that converts to a school already written
// (the same file kept in two places, or with FET's timetable beside it) is left out. Prints one
// line per file.
#include "fetexamples.h"

#include "fet/fetimport.h"
#include "fileio/savedata.h"
#include "model/school.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cstdio>

namespace {

using namespace orve;

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
    const QDir examples(arguments.size() == 2 ? arguments.at(1) : bench::FetExamplesFolder);
    const QStringList files = bench::fetFiles(examples);

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
        bench::markMainCourses(imported.opened.school);
        const QByteArray key = bench::contentKey(imported.opened.school);
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
