// libFuzzer target: arbitrary bytes through Open, scheduling, the optimiser, the exports and
// Save, whose file must read back the same (build with ORVE_FUZZ).
#include "pipelinefuzzentry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (orve::fuzz::isFault(orve::fuzz::runPipeline(data, size)))
        std::abort();
    return 0;
}
