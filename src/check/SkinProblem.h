#pragma once

#include <string>

namespace vantoro {

// One thing a build or the handheld would trip over, found by CSkinChecker.
struct CSkinProblem {
    enum class Severity { Error, Warning };

    Severity Level = Severity::Error;
    // The element and field, "TitleBar.BmpMask".
    std::string Element;
    // The file concerned: the bitmap's full path, or the project file.
    std::string File;
    std::string Message;

    bool IsError() const { return Level == Severity::Error; }
    // "error: TitleBar.BmpMask: /skins/x/mask.bmp: The bitmap file is missing."
    std::string Format() const;
};

}  // namespace vantoro
