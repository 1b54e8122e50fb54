// Files this process writes may not grow beyond a limit while the guard lives, as on a nearly
// full disk: a write past it fails (the program reports it as it does a full disk).
#pragma once

#include "fileio/systemerror.h"

#include <sys/resource.h>

namespace orve::test {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        fileio::reportFileSizeLimitAsError();
        getrlimit(RLIMIT_FSIZE, &before_);
        const rlimit limited{limit, before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
};

} // namespace orve::test
