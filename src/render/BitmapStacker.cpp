#include "BitmapStacker.h"

#include <QPainter>
#include <filesystem>
#include <system_error>

#include "BitmapCache.h"
#include "FileNameResolver.h"

namespace vantoro {

void CBitmapStacker::DrawBitmap(QPainter& painter, const std::string& name, bool first) {
    if (first) m_y = 0;
    const std::string path = ResolveFileName(m_folder, name);
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::path(path), ec)) {
        if (m_missingSet.insert(path).second) m_missing.push_back(path);
        return;
    }
    const CResult<CBitmapCache::Bitmap> bitmap = m_bitmaps.Get(path);
    if (!bitmap) return;  // not a bitmap we can read: skipped, as the build would report it
    if (!first) m_y += kGap;
    painter.drawImage(QPoint(0, m_y), (*bitmap)->Image());
    m_y += (*bitmap)->Height();
}

std::vector<std::string> CBitmapStacker::TakeNewMissingFiles() {
    std::vector<std::string> fresh(m_missing.begin() + std::ptrdiff_t(m_taken), m_missing.end());
    m_taken = m_missing.size();
    return fresh;
}

void CBitmapStacker::ResetMissingFiles() {
    m_missing.clear();
    m_missingSet.clear();
    m_taken = 0;
}

std::string CBitmapStacker::MissingFileMessage(const std::string& path) {
    return "The bitmap file '" + path + "' is missing.";
}

}  // namespace vantoro
