#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace vantoro::test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// In this process rather than as a child, so a failure stops in the debugger where it is.
inline Outcome RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Outcome o;
    o.status = CCommandLine().Run(args, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

}  // namespace vantoro::test
