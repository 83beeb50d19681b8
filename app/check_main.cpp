// The command line without the windows: the same commands as `mosarin
// --check` (through the one dispatch, runCommandLine), in an executable that
// links no Qt, so a check starts in a few milliseconds instead of first
// loading the GUI libraries it never uses.
#include <iostream>

#include "app/library_check.h"

int main(int argc, char** argv) {
    const auto status =
        mosarin::runCommandLine(argc, argv, mosarin::executableFolder(argv[0]), std::cout, std::cerr);
    if (status) return *status;
    std::cerr << "mosarin-check: nothing to do; try --check or --help\n";
    return mosarin::kCheckFailed;
}
