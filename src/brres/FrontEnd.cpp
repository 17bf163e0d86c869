// The brres command: the library's entry behind a program name, with --help and --version.

#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ResourceCompiler.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        std::cerr << brres::CommandLine::Usage();
        return 2;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << brres::CommandLine::Usage();
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "brres " << BRRES_VERSION << "\n";
        return 0;
    }
    return brres::ResourceCompiler(std::cout, std::cerr).Run(args);
}
