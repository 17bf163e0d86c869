#pragma once

#include <ostream>

#include "CliParser.h"

namespace vantoro {

// vantoro-cli derive: the variant written, its project file printed, and what could not be
// carried over exactly listed as warnings the way check lists its findings.
class CDeriveCommand {
public:
    static int Run(const CCliArguments& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace vantoro
