#pragma once

#include <set>
#include <string>
#include <vector>

#include "BitmapDrawer.h"

namespace vantoro {

class CBitmapCache;

// The preview's bitmap stacking: each bitmap of the selected element drawn at its real
// size at the left edge, the first at the top and each further one 5 pixels below the
// last one drawn. Missing files are collected, never shown from here: a message box
// raised while painting would come back with every repaint. The window takes the new
// ones after painting and shows each once per selection.
class CBitmapStacker : public IBitmapDrawer {
public:
    static constexpr int kGap = 5;

    // `folder` is the project folder, read at every call (the project's own `Folder`
    // member, which lives as long as the window); `bitmaps` reads the files (not owned).
    CBitmapStacker(const std::string& folder, CBitmapCache& bitmaps)
        : m_folder(folder), m_bitmaps(bitmaps) {}

    void DrawBitmap(QPainter& painter, const std::string& name, bool first) override;

    // Where the next bitmap's gap starts: the bottom of the last one drawn.
    int Y() const { return m_y; }

    // Missing files seen since the last ResetMissingFiles, each once, in order.
    const std::vector<std::string>& MissingFiles() const { return m_missing; }
    // The missing files not yet taken since the last ResetMissingFiles; repaints of the
    // same selection do not bring them back.
    std::vector<std::string> TakeNewMissingFiles();
    // Forgets the missing files; call it when the selection changes.
    void ResetMissingFiles();

    // "The bitmap file '<path>' is missing."
    static std::string MissingFileMessage(const std::string& path);

private:
    const std::string& m_folder;
    CBitmapCache& m_bitmaps;
    int m_y = 0;
    std::vector<std::string> m_missing;
    std::set<std::string> m_missingSet;
    size_t m_taken = 0;
};

}  // namespace vantoro
