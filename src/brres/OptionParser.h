#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "CompileOptions.h"

namespace brres {

// Reads the compiler's options. There is no program name: the first element is already an option.
class OptionParser {
public:
    static constexpr size_t kMaxNameLength = 31;  // the 32-byte name field keeps a NUL

    // False with `error` set when the options are incomplete or wrong.
    static bool Parse(const std::vector<std::string>& args, CompileOptions& options,
                      std::string& error);
    static const char* Usage();

private:
    static bool Validate(const CompileOptions& options, std::string& error);
};

}  // namespace brres
