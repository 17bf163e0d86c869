#pragma once

#include <string>

namespace brres {

// What one run of the compiler is asked to do.
struct CompileOptions {
    bool quiet = false;
    std::string script;
    std::string output;
    std::string name;
    std::string type;
    std::string creator;
};

}  // namespace brres
