// The one symbol the compiler library exports. Its callers load the library and look up
// "main"; they pass the options alone, with no program name in front.

#include <iostream>
#include <string>
#include <vector>

#include "Compiler.h"

// Looked up by the plain name "main" and called as a C function: no C++ name decoration,
// and on Windows the C calling convention whatever the compiler's default.
#if defined(_WIN32)
#define BRRES_EXPORT extern "C" __declspec(dllexport)
#define BRRES_CALL __cdecl
#else
#define BRRES_EXPORT extern "C" __attribute__((visibility("default")))
#define BRRES_CALL
#endif

BRRES_EXPORT int BRRES_CALL main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 0; argv && i < argc; ++i) {
        if (argv[i]) args.emplace_back(argv[i]);
    }
    const int result = brres::Compiler(std::cout, std::cerr).Run(args);
    std::cout.flush();
    std::cerr.flush();
    return result;
}
