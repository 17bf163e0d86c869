#pragma once

#include <ostream>
#include <string>

#include "SkinProject.h"

namespace vantoro {

// How every command opens the project it is given.
class CProjectOpener {
public:
    // Loads `path` into `project`; false with the reason on `err`. An import of it that was
    // stopped before it ended is finished first, and the user told so.
    static bool Open(CSkinProject& project, const std::string& path, std::ostream& err);
};

}  // namespace vantoro
