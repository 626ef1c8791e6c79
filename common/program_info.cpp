// --help and --version, answered alike by every program of Corvanth.
#include "common/program_info.h"

#include "common/build_facts.h"

#include <cstdio>
#include <cstring>

namespace crv {

bool printedProgramInformation(int argc, const char* const* argv, const char* program,
                               const char* usage) {
    if (argc != 2) {
        return false;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usage, stdout);
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s (%s %s)\n", program, productName, productVersion);
        return true;
    }
    return false;
}

} // namespace crv
