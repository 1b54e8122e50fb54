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

// Schools of more than `periodLimit` planned periods are beyond bounds: the optimiser's
// placement weighs every lesson against every slot, so under the sanitizers the fuzzer keeps
// to small ones to run millions of inputs, and the corpus replay takes larger ones.
inline constexpr int FuzzedPeriodLimit = 60;
inline constexpr int ReplayedPeriodLimit = 300;

// `fault`, when given, says what went wrong on a fault: the read error, or the first line
// that reads back otherwise.
PipelineOutcome runPipeline(const std::uint8_t* data, std::size_t size, int periodLimit,
                            QString* fault = nullptr);

inline bool isFault(PipelineOutcome outcome)
{
    return outcome == PipelineOutcome::NotReadBack || outcome == PipelineOutcome::ReadBackDiffers;
}

} // namespace orve::fuzz
