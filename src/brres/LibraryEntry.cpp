// The one symbol the compiler library exports. Its callers load the library and look up
// "main"; they pass the options alone, with no program name in front.

#include <iostream>
#include <string>
#include <vector>

#include "ResourceCompiler.h"

#if defined(_WIN32)
#define BRRES_EXPORT __declspec(dllexport)
#else
#define BRRES_EXPORT __attribute__((visibility("default")))
#endif

BRRES_EXPORT int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 0; argv && i < argc; ++i) {
        if (argv[i]) args.emplace_back(argv[i]);
    }
    const int result = brres::ResourceCompiler(std::cout, std::cerr).Run(args);
    std::cout.flush();
    std::cerr.flush();
    return result;
}
