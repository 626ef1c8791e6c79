// --help and --version, answered alike by every program of Corvanth.
#pragma once

namespace crv {

/// With exactly one argument, --help or --version: prints the usage, or "PROGRAM (Corvanth
/// VERSION)", on standard output and is true. Every other command line is the program's own,
/// so a game result with a negative score ("corvanth 1 -5") is never taken for an option.
bool printedProgramInformation(int argc, const char* const* argv, const char* program,
                               const char* usage);

} // namespace crv
