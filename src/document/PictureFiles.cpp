#include "PictureFiles.h"

namespace vantoro {

bool CPictureFiles::Holds(const std::string& path, const CFileState& state) {
    CFileState now;
    if (!CFileSetWriter::Read(path, now, nullptr)) return false;
    return now.Exists == state.Exists && now.Bytes == state.Bytes;
}

bool CPictureFiles::Touching(const std::vector<std::string>& paths, std::string* error) {
    for (const std::string& path : paths) {
        if (m_atSave.count(path)) continue;
        CFileState state;
        if (!CFileSetWriter::Read(path, state, error)) return false;
        m_atSave.emplace(path, std::move(state));
    }
    return true;
}

void CPictureFiles::Left(const CFileState& state) {
    m_left[state.Path] = state;
}

std::vector<std::string> CPictureFiles::ChangedByOthers(
    const std::vector<std::string>& paths) const {
    std::vector<std::string> changed;
    for (const std::string& path : paths) {
        const auto left = m_left.find(path);
        if (left != m_left.end() && !Holds(path, left->second)) changed.push_back(path);
    }
    return changed;
}

std::vector<CFileState> CPictureFiles::SinceSave() const {
    std::vector<CFileState> differ;
    for (const auto& [path, state] : m_atSave)
        if (!Holds(path, state)) differ.push_back(state);
    return differ;
}

void CPictureFiles::Clear() {
    m_atSave.clear();
    m_left.clear();
}

}  // namespace vantoro
