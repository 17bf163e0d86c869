// The brres command: the library's entry behind a program name, with --help and --version.

#include <iostream>
#include <string>
#include <vector>

#include "Compiler.h"
#include "OptionParser.h"
#include "PathString.h"

int main(int argc, char** argv) {
    vantoro::ReadPathsInSystemCodePage();
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        std::cerr << brres::OptionParser::Usage();
        return 2;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << brres::OptionParser::Usage();
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "brres " << BRRES_VERSION << "\n";
        return 0;
    }
    return brres::Compiler(std::cout, std::cerr).Run(args);
}
