#pragma once

#include <array>
#include <vector>

#include "SkinFields.h"
#include "SkinProblem.h"

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// What the rule book found in the open project, kept up to date a piece at a time: a
// change is judged again only for the element it touched (or everything, when it touched
// the skin's own settings, which every rule reads), so an edit of a skin of large bitmaps
// costs no more than the element edited.
class CProjectFindings {
public:
    explicit CProjectFindings(CBitmapCache& bitmaps) : m_bitmaps(bitmaps) {}

    // Judges all of `project` again (after an open, a close, a bitmap changed on disk).
    void UpdateAll(const CSkinProject& project);
    // Judges again what a change of `element` can have changed.
    void Update(const CSkinProject& project, CSkinElement element);

    // Everything found, element by element in file order.
    const std::vector<CSkinProblem>& All() const { return m_all; }

private:
    void Join();

    CBitmapCache& m_bitmaps;
    std::array<std::vector<CSkinProblem>, kSkinElementCount> m_byElement;
    std::vector<CSkinProblem> m_all;
};

}  // namespace vantoro
