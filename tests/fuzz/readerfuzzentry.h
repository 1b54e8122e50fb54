// One input through the course-settings reader as Open reads a file, shared by the libFuzzer
// target and the test that replays the committed corpus.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orve {
struct Workspace;
}

namespace orve::fuzz {

// The tables as start-up leaves them, which Open starts from.
const Workspace& startedUp();

// Reads the bytes as a course-settings file into fresh tables and, when they were read, writes
// them out again. Returns the line of the read error (0 when the whole file was read).
int readCourseSettings(const std::uint8_t* data, std::size_t size);

} // namespace orve::fuzz
