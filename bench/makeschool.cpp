// make-school OUT [CLASSES] [options]: writes a generated school (7 days x 10 periods), or a
// given one with rules added, as a course-settings file, for timing orve-cli on large and
// crafted schools.
//   --courses N               courses (default 15)
//   --classes-per-teacher N   classes one teacher takes a course in (7 overbooks them)
//   --load X                  planned periods as a share of the week's slots
//   --tree-nodes N            a combined-class tree of N nodes: groups of two classes
//   --fixed-lessons N         N fixed lessons cycling over every class and slot
//   --daily-rules             course maxima and double periods (see addDailyRules)
//   --from FILE               starts from that school instead of a generated one
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "model/combinedlesson.h"
#include "school/startup.h"
#include "schoolgenerator.h"
#include "silentuiport.h"
#include "workspace.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

using orve::model::CombinedTree;

// Groups of two classes sharing a course until the tree has `nodes` nodes (the last group
// may have one member).
void addCombinedGroups(orve::model::School& school, int nodes)
{
    CombinedTree& tree = school.combinedGroups;
    tree.reset();
    tree.setKey(0, CombinedTree::rootText());
    const int classes = int(school.classes.size());
    const int courses = int(school.courses.size());
    if (classes < 2 || courses < 1)
        return;
    int memberKey = 0;
    for (int g = 0; tree.nodeCount() < nodes; ++g) {
        const QString name = QStringLiteral(u"合班课%1").arg(g + 1);
        const int group = tree.addChild(0, name, name);
        const int course = g % courses;
        const int first = (g / courses) % classes;
        const int second = (first + 1 + g / (courses * classes)) % classes;
        for (const int cls : {first, second == first ? (first + 1) % classes : second}) {
            if (tree.nodeCount() >= nodes)
                break;
            tree.addChild(group, QString::number(++memberKey) + QStringLiteral("nkey"),
                          orve::model::combinedLessonEntry(school.classes.at(cls),
                                                           school.courses.at(course)));
        }
    }
}

void addFixedLessons(orve::model::School& school, int count, int days, int periodsPerDay)
{
    const int classes = int(school.classes.size());
    const int week = days * periodsPerDay;
    if (classes < 1 || week < 1 || school.courses.isEmpty())
        return;
    for (int i = 0; i < count; ++i) {
        const int slot = (i / classes) % week;
        const int course = (i / (classes * week) + i) % int(school.courses.size());
        school.fixedLessons.append(
            QStringLiteral("%1 %2 %3 %4")
                .arg(school.classes.at(i % classes), school.courses.at(course))
                .arg(slot / periodsPerDay + 1)
                .arg(slot % periodsPerDay + 1));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("the file to write"));
    parser.addPositionalArgument(QStringLiteral("CLASSES"), QStringLiteral("default 150"));
    const QCommandLineOption perTeacher(QStringLiteral("classes-per-teacher"),
                                        QStringLiteral("classes per teacher"), QStringLiteral("N"));
    const QCommandLineOption load(QStringLiteral("load"), QStringLiteral("share of the week"),
                                  QStringLiteral("X"));
    const QCommandLineOption treeNodes(QStringLiteral("tree-nodes"),
                                       QStringLiteral("combined-tree nodes"), QStringLiteral("N"));
    const QCommandLineOption fixedLessons(QStringLiteral("fixed-lessons"),
                                          QStringLiteral("fixed lessons"), QStringLiteral("N"));
    const QCommandLineOption courses(QStringLiteral("courses"), QStringLiteral("courses"),
                                     QStringLiteral("N"));
    const QCommandLineOption dailyRules(QStringLiteral("daily-rules"),
                                        QStringLiteral("course maxima and double periods"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("the school to start from"),
                                  QStringLiteral("FILE"));
    parser.addOptions({courses, perTeacher, load, treeNodes, fixedLessons, dailyRules, from});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2) {
        std::fputs("usage: make-school OUT [CLASSES] [--courses N] [--classes-per-teacher N]\n"
                   "                   [--load X] [--tree-nodes N] [--fixed-lessons N]\n"
                   "                   [--daily-rules] [--from FILE]\n",
                   stderr);
        return 2;
    }
    orve::Workspace ws;
    orve::SilentUiPort ui;
    orve::school::startUp(ws, ui);
    orve::bench::SchoolShape shape;
    if (positional.size() == 2)
        shape.classes = positional.at(1).toInt();
    if (parser.isSet(courses))
        shape.courses = parser.value(courses).toInt();
    if (parser.isSet(perTeacher))
        shape.classesPerTeacher = parser.value(perTeacher).toInt();
    if (parser.isSet(load))
        shape.load = parser.value(load).toDouble();
    if (parser.isSet(from)) {
        if (orve::fileio::openSchoolFile(ws, parser.value(from)).failed()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(parser.value(from)));
            return 1;
        }
    } else {
        orve::bench::generateSchool(ws, shape);
    }
    if (parser.isSet(treeNodes))
        addCombinedGroups(ws.school, parser.value(treeNodes).toInt());
    if (parser.isSet(fixedLessons))
        addFixedLessons(ws.school, parser.value(fixedLessons).toInt(), shape.days,
                        shape.morningPeriods + shape.afternoonPeriods + shape.eveningPeriods);
    if (parser.isSet(dailyRules))
        orve::bench::addDailyRules(ws.school);
    const orve::fileio::SaveResult result =
        orve::fileio::writeSchoolFile(ws.school, positional.at(0));
    if (!result.written())
        std::fprintf(stderr, "%s\n", qPrintable(result.reason));
    return result.written() ? 0 : 1;
}
