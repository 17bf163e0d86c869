#pragma once

#include <string>
#include <vector>

namespace vantoro {

// What one Build Skin run came to, for the window's message box or the command line.
struct CBuildResult {
    bool Success = false;
    // The database the build writes: the project folder, the skin name and ".PDB".
    std::string DatabasePath;
    // Why the build failed, one problem a line, each naming the element and property it
    // comes from where there is one; empty on success.
    std::string Reason;
    // What the compiler library printed on its standard error during the call: its own
    // words, for whoever wants the details.
    std::string LibraryOutput;
    // The rule book's warnings, "Title Bar, Bitmap: The bitmap is 12x10 pixels; ...": they
    // do not stop a build, but the author should see them.
    std::vector<std::string> Warnings;

    // "Skin file created successfully.\n[<path>]", or "Unable to build the skin." with
    // the reason below it.
    std::string Message() const;
    // The compiler's own text, without trailing line ends; empty when it said nothing.
    std::string Details() const;
};

}  // namespace vantoro
