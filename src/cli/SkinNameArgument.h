#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace vantoro {

// A skin name as typed on the command line (UTF-8 in a terminal, the system's code page on
// Windows), for a skin, which holds Windows-1252, one byte a character.
class CSkinNameArgument {
public:
    // The name in Windows-1252; nothing when it has a character Windows-1252 lacks or cannot
    // name a skin, with the reason on `err` in the terminal's own code page.
    static std::optional<std::string> Read(const std::string& value, std::ostream& err);
};

}  // namespace vantoro
