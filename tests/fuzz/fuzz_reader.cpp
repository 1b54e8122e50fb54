// libFuzzer target: arbitrary bytes through the course-settings reader (build with ORVE_FUZZ).
#include "readerfuzzentry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orve::fuzz::readCourseSettings(data, size);
    return 0;
}
