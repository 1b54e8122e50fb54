// The real schools of the shared data folder (read where they are kept, never copied into the
// repository), registered as one benchmark per school: combined groups and uneven plans are
// where a slow path hides that generated schools do not show.
#pragma once

#include "fileio/schoolreader.h"
#include "school/startup.h"
#include "silentuiport.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>

namespace orve::bench {

// Every .rve file of the schools folder and of the rules folder, as "folder/name" and path.
inline std::vector<std::pair<std::string, QString>> realSchools()
{
    std::vector<std::pair<std::string, QString>> schools;
    for (const QString& folder : {QStringLiteral("schools"), QStringLiteral("rules")}) {
        const QDir dir(QStringLiteral(ORVE_DATA_DIR) + u'/' + folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.rve")}, QDir::Files, QDir::Name))
            schools.emplace_back((folder + u'/' + QFileInfo(name).baseName()).toStdString(),
                                 dir.filePath(name));
    }
    return schools;
}

// Opens a school as the program does; false (and the benchmark skipped) when it cannot.
inline bool openRealSchool(benchmark::State& state, Workspace& ws, const QString& path)
{
    SilentUiPort ui;
    school::startUp(ws, ui);
    if (fileio::openSchoolFile(ws, path).failed()) {
        state.SkipWithError("the school cannot be read");
        return false;
    }
    return true;
}

// Registers `run` as PREFIX/folder/name for every real school; returns the benchmarks to
// configure.
inline std::vector<benchmark::internal::Benchmark*>
registerPerRealSchool(const std::string& prefix,
                      const std::function<void(benchmark::State&, const QString&)>& run)
{
    std::vector<benchmark::internal::Benchmark*> registered;
    for (const auto& [name, path] : realSchools())
        registered.push_back(benchmark::RegisterBenchmark(
            (prefix + '/' + name).c_str(),
            [run, path = path](benchmark::State& state) { run(state, path); }));
    return registered;
}

} // namespace orve::bench
