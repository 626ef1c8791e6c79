// crvsim: plays one headless game from a script on standard input and prints its state.
#include "tools/simulator.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    crv::SimOptions options;
    std::string error;
    if (!crv::parseSimArguments(argc, argv, options, error)) {
        std::cerr << "crvsim: " << error << '\n'
                  << "usage: crvsim [--seed N] [--best B] [--sound 0|1] < script\n";
        return 2;
    }
    return crv::runSimulation(options, std::cin, std::cout, std::cerr);
}
