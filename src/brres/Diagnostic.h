#pragma once

#include <string>

namespace brres {

// One message about the script, printed as "script:line: message".
struct Diagnostic {
    int line = 0;  // 0: about the script as a whole
    std::string message;
    bool warning = false;
};

}  // namespace brres
