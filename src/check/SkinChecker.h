#pragma once

#include <string>
#include <vector>

#include "Geometry.h"
#include "SkinProblem.h"

namespace vantoro {

class CSkinProject;

// Looks through a project for what would break its build or look wrong on the
// handheld. Errors: a bitmap that is missing, unnamed or unreadable, a skin name that
// is empty or longer than 31 characters, a resolution or depth code outside its table.
// Warnings: a wall paper or preview of the wrong size, a bitmap with more colours than
// the skin's depth shows, a mask that is not 1-bit, a rectangle outside the screen, a
// bitmap whose size differs from the rectangle it is drawn in.
class CSkinChecker {
public:
    std::vector<CSkinProblem> Check(const CSkinProject& project);

    // The longest database name the compiler takes, in bytes.
    static constexpr size_t kMaxSkinNameLength = 31;
    // Why `name` cannot name a skin (empty, longer than the library's 31 characters,
    // or holding a character that would put the database outside the project folder
    // or that no file name may hold); empty when it can.
    static std::string SkinNameProblem(const std::string& name);

private:
    struct CBitmapField {
        const char* Element;
        const std::string* Name;
        bool Mask;
        int ExpectedSize;  // square side in pixels, 0 when any size will do
        // The rectangle the bitmap is drawn in, and its name; null when none.
        const CRect* Rect = nullptr;
        const char* RectName = nullptr;
        // Only the width must match (a strip that holds several parts one below the other).
        bool WidthOnly = false;
    };

    void CheckSkinInfo(const CSkinProject& project);
    void CheckBitmap(const CSkinProject& project, const CBitmapField& field);
    void CheckRectangles(const CSkinProject& project);
    void CheckFitsRectangle(const CBitmapField& field, const std::string& path, int width,
                            int height);
    void Add(CSkinProblem::Severity level, const std::string& element, const std::string& file,
             const std::string& message);

    std::vector<CSkinProblem> m_problems;
};

}  // namespace vantoro
