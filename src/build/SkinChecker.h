#pragma once

#include <string>
#include <vector>

#include "SkinProblem.h"

namespace vantoro {

class CSkinProject;

// Looks through a project for what would break its build or look wrong on the
// handheld. Errors: a bitmap that is missing, unnamed or unreadable, a skin name that
// is empty or longer than 31 characters, a resolution or depth code outside its table.
// Warnings: a wall paper or preview of the wrong size, a bitmap with more colours than
// the skin's depth shows, a mask that is not 1-bit, a rectangle outside the screen.
class CSkinChecker {
public:
    std::vector<CSkinProblem> Check(const CSkinProject& project);

private:
    struct CBitmapField {
        const char* Element;
        const std::string* Name;
        bool Mask;
        int ExpectedSize;  // square side in pixels, 0 when any size will do
    };

    void CheckSkinInfo(const CSkinProject& project);
    void CheckBitmap(const CSkinProject& project, const CBitmapField& field);
    void CheckRectangles(const CSkinProject& project);
    void Add(CSkinProblem::Severity level, const std::string& element, const std::string& file,
             const std::string& message);

    std::vector<CSkinProblem> m_problems;
};

}  // namespace vantoro
