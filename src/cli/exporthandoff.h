// How orve-cli gives an export that needs libraries of its own (Qt's drawing for a PDF,
// libxlsxwriter for workbooks) to orve-cli-export: the program replaces itself with it (same
// arguments, output and exit status), so that no other call pays for loading them.
// orve-cli-export stands beside orve-cli in the build tree and in the package's private folder
// when installed.
#pragma once

namespace orve::cli {

// Whether the call is an export asking for a PDF (--pdf) or workbooks (--xlsx).
bool exportNeedsHelper(int argc, char* argv[]);

// Does not return when orve-cli-export starts; else prints why and returns FileFailed.
int handOverToExportHelper(char* argv[]);

} // namespace orve::cli
