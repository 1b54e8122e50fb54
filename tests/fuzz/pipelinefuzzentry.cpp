#include "pipelinefuzzentry.h"

#include "readerfuzzentry.h"

#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "fileio/timetablefiles.h"
#include "model/numbers.h"
#include "optimiser/optimisecommand.h"
#include "scheduler/randomsource.h"
#include "scheduler/schedulingrun.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "silentuiport.h"
#include "workspace.h"

namespace orve::fuzz {

namespace {

// Small schools keep every input to a few milliseconds; the reader's own target takes the
// large ones.
bool withinBounds(const model::School& school)
{
    if (school.classes.size() > 12 || school.courses.size() > 12 || school.teachers.size() > 30 ||
        school.fixedLessons.size() > 100 || school.combinedLessons.size() > 60 ||
        school.combinedGroups.nodeCount() > 60 || school.week.periodsPerDay() > 10 ||
        school.week.daysPerWeek() > 7 || school.plan.rowCount() > 150)
        return false;
    // The optimiser makes one lesson of every planned period, and its placement search weighs
    // every lesson left out against every slot.
    int periods = 0;
    for (int r = school::PlanHeaderRow + 1; r < school.plan.rowCount(); ++r)
        periods += model::leadingInteger(school.plan.text({r, school::PeriodsColumn}), 0, 10000);
    return periods <= 300;
}

// The school as Open gives it back: the root's key is its text.
QString savedText(model::School school)
{
    if (school.combinedGroups.nodeCount() > 0)
        school.combinedGroups.setKey(0, school.combinedGroups.node(0).text);
    return fileio::settingsText(school);
}

// The first line where two file texts differ, both ways.
QString firstDifference(const QString& written, const QString& readBack)
{
    const QStringList a = written.split(QStringLiteral("\r\n"));
    const QStringList b = readBack.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return QStringLiteral("line %1 written \"%2\", read back \"%3\"")
                .arg(i + 1)
                .arg(a.value(i), b.value(i));
    return {};
}

} // namespace

PipelineOutcome runPipeline(const std::uint8_t* data, std::size_t size, QString* fault)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fileio::OpenedSchool opened = fileio::openingFrom(startedUp());
    if (fileio::readSchool(opened, bytes).failed())
        return PipelineOutcome::Refused;
    if (!withinBounds(opened.school))
        return PipelineOutcome::BeyondBounds;

    Workspace ws;
    SilentUiPort ui;
    school::startUp(ws, ui);
    fileio::takeOpenedSchool(ws, std::move(opened));
    scheduler::SeededRandom random(1);
    scheduler::scheduleTimetable(ws, ui, random);
    optimiser::OptimiserOptions options;
    options.stepBudget = 8;
    optimiser::removeDoubleBookings(ws, options);
    for (const fileio::TableFormat* format : {&fileio::csvTables(), &fileio::htmlTables()})
        fileio::timetableFiles(ws.school, ws.session.periodsPerDay, {}, *format);

    QByteArray saved;
    if (!fileio::settingsBytes(ws.school, saved).written())
        return PipelineOutcome::NotSaved;
    fileio::OpenedSchool reopened = fileio::openingFrom(startedUp());
    if (const fileio::ReadError error = fileio::readSchool(reopened, saved); error.failed()) {
        if (fault)
            *fault = QStringLiteral("line %1: %2").arg(error.line).arg(error.reason);
        return PipelineOutcome::NotReadBack;
    }
    const QString written = savedText(ws.school);
    const QString readBack = savedText(reopened.school);
    if (written == readBack)
        return PipelineOutcome::ReadBack;
    if (fault)
        *fault = firstDifference(written, readBack);
    return PipelineOutcome::ReadBackDiffers;
}

} // namespace orve::fuzz
