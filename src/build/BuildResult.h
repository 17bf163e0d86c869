#pragma once

#include <string>

namespace vantoro {

// What one Build Skin run came to, for the window's message box or the command line.
struct CBuildResult {
    bool Success = false;
    // The database the build writes: the project folder, the skin name and ".PDB".
    std::string DatabasePath;
    // Why the build failed; empty on success.
    std::string Reason;
    // What the compiler library printed on its standard error during the call.
    std::string LibraryOutput;

    // "Skin file created successfully.\n[<path>]", or "Unable to build the skin." with
    // the reason and the library's output on the lines below.
    std::string Message() const;
};

}  // namespace vantoro
