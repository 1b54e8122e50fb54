// How orve-cli gives a call that draws to orve-cli-draw: the program replaces itself with it
// (same arguments, output and exit status). orve-cli-draw stands beside orve-cli in the build
// tree and in the package's private folder when installed.
#pragma once

namespace orve::cli {

// Does not return when orve-cli-draw starts; else prints why and returns FileFailed.
int handOverToDrawing(char* argv[]);

} // namespace orve::cli
