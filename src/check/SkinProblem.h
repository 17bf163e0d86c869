#pragma once

#include <cstdint>
#include <string>

namespace vantoro {

// One thing the build, the database or the handheld would trip over, found by the rule
// book. Errors stop a build; warnings are the help texts' advice and what the launcher
// would draw badly.
struct CSkinProblem {
    enum class Severity { Error, Warning };

    Severity Level = Severity::Error;
    // The field ("TitleBar.BmpMask"), or the record alone ("ToolBar").
    std::string Element;
    // The file concerned: the bitmap's full path, or the project file.
    std::string File;
    // What is wrong, as a sentence: "The value 65545 is not between 0 and 32767."
    std::string Message;
    // The grid row concerned (a point's part); 0 for the field's first row.
    uint8_t ItemId = 0;
    // For a value refused where it is typed: the sentence that names the row and its
    // range, "Top Button Height must be between 0 and 32767." Empty for other problems.
    std::string Entry;

    bool IsError() const { return Level == Severity::Error; }
    // The field as the grid names it: "Title Bar, Bitmap Mask".
    std::string Where() const;
    // "error: Title Bar, Bitmap Mask: /skins/x/mask.bmp: The mask has 8 bits per pixel..."
    std::string Format() const;
};

}  // namespace vantoro
