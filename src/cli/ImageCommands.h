#pragma once

#include <ostream>
#include <string>

#include "CliParser.h"

namespace vantoro {

// The commands that read or write pictures (render, import, derive, info): they need Qt Gui, which
// the rest of vantoro-cli does without, so the program reaches them through this and loads
// them only when one of them is asked for.
class IImageCommands {
public:
    virtual ~IImageCommands() = default;
    // Runs `command` with its arguments as read; returns its exit status.
    virtual int Run(const std::string& command, const CCliArguments& arguments, std::ostream& out,
                    std::ostream& err) = 0;
};

}  // namespace vantoro
