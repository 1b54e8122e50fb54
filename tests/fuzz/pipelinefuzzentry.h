// One input through what the window and orve-cli run on any opened file: Open, a scheduling
// run, the optimiser with a small step budget, the CSV and HTML exports and Save, whose file
// must read back to the same school. Shared by the libFuzzer target and the test that replays
// the committed corpus.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace orve::fuzz {

enum class PipelineOutcome {
    Refused,        // not a course-settings file Open takes
    BeyondBounds,   // larger than the small schools the pipeline is run on, to stay fast
    NotSaved,       // Save refuses it (a character GBK cannot hold, …), as it tells the user
    ReadBack,       // the whole pipeline ran and the saved file read back the same
    NotReadBack,    // fault: the saved file cannot be opened
    ReadBackDiffers // fault: it opens as another school
};

// `fault`, when given, says what went wrong on a fault: the read error, or the first line
// that reads back otherwise.
PipelineOutcome runPipeline(const std::uint8_t* data, std::size_t size, QString* fault = nullptr);

inline bool isFault(PipelineOutcome outcome)
{
    return outcome == PipelineOutcome::NotReadBack || outcome == PipelineOutcome::ReadBackDiffers;
}

} // namespace orve::fuzz
