// orve-cli's exit statuses and its usage text (made from the subcommands).
#pragma once

namespace orve::cli {

enum ExitCode { Done = 0, FileFailed = 1, UsageError = 2 };

// Prints the usage text and returns UsageError.
int usage();

} // namespace orve::cli
