#include "SkinProjectWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "Bmp.h"

namespace vantoro::test {
namespace {

bool IsBitmapKey(const std::string& key) {
    return key.rfind("Bmp", 0) == 0 || key.rfind("Preview", 0) == 0;
}

bool IsMaskKey(const std::string& key) {
    return key.size() > 4 && key.compare(key.size() - 4, 4, "Mask") == 0;
}

}  // namespace

SkinProjectWriter::SkinProjectWriter(int reso, int depth) : m_reso(reso) {
    m_sections = {
        {"SkinInfo",
         {{"SkinName", "Test"},
          {"Reso", std::to_string(reso)},
          {"Depth", std::to_string(depth)},
          {"Author", "Ana"},
          {"Comments", "say \"hi\" C:\\x"}}},
        {"WallPaper", {{"Bmp", "wall.bmp"}}},
        {"ToolBar",
         {{"BmpNormal", "tb.bmp"},
          {"Rect", "0,140,160,160"},
          {"BmpHighlight", "tbh.bmp"},
          {"RectButtonInfo", "1,2,11,12"},
          {"RectButtonBeam", "3,4,13,14"},
          {"RectButtonDelete", "5,6,15,16"},
          {"RectButtonTools", "7,8,17,18"}}},
        {"TitleBar", {{"Rect", "0,0,160,15"}, {"Bmp", "title.bmp"}, {"BmpMask", "titlem.bmp"}}},
        {"ToolBarToggler",
         {{"Bmp", "tog.bmp"}, {"BmpMask", "togm.bmp"}, {"Rect", "150,130,160,140"}}},
        {"ScrollBar",
         {{"RectNormal", "152,16,160,138"},
          {"RectMaximized", "152,16,160,158"},
          {"Bmp", "scroll.bmp"},
          {"ButtonTopHeight", "7"},
          {"ButtonCenterHeight", "9"},
          {"ButtonBottomHeight", "8"},
          {"RectThumb", "20,30,27,45"},
          {"ThumbTopHeight", "3"},
          {"ThumbCenterHeight", "4"},
          {"ThumbBottomHeight", "2"}}},
        {"MaximizeVuzuRuzIcon",
         {{"Bmp", "max.bmp"}, {"BmpMask", "maxm.bmp"}, {"Rect", "140,1,152,13"}}},
        // Red 255, green 128, blue 0.
        {"DateTime", {{"Rect", "60,2,110,13"}, {"TextColor", "33023"}}},
        {"Battery", {{"Rect", "120,2,138,12"}, {"Bmp", "bat.bmp"}}},
        {"Popups",
         {{"PtTools", "2,139"},
          {"PtCategory", "158,16"},
          {"MaxSizeCategory", "80,100"},
          {"CategoryTextColor", "197121"}}},
        // Red 10, green 20, blue 30.
        {"AppView",
         {{"Rect", "0,16,150,138"}, {"RectMaximized", "0,16,150,158"}, {"TextColor", "1971210"}}},
        {"Preview", {{"Preview1", "prev1.bmp"}, {"Preview2", "prev2.bmp"}}},
        {"SystemIcons",
         {{"BmpCategories", "cat.bmp"},
          {"BmpCategoriesMask", "catm.bmp"},
          {"BmpPopupTools", "tools.bmp"},
          {"BmpPopupToolsMask", "toolsm.bmp"},
          {"BmpMiscIcons", "misc.bmp"},
          {"MiscIconsSize", "9,10"}}},
    };
}

SkinProjectWriter& SkinProjectWriter::Set(const std::string& section, const std::string& key,
                                          const std::string& value) {
    auto named = std::find_if(m_sections.begin(), m_sections.end(),
                              [&](const auto& s) { return s.first == section; });
    if (named == m_sections.end()) {
        m_sections.push_back({section, {}});
        named = m_sections.end() - 1;
    }
    for (auto& entry : named->second) {
        if (entry.first == key) {
            entry.second = value;
            return *this;
        }
    }
    named->second.emplace_back(key, value);
    return *this;
}

SkinProjectWriter& SkinProjectWriter::Remove(const std::string& section, const std::string& key) {
    for (auto& [name, keys] : m_sections)
        if (name == section)
            keys.erase(std::remove_if(keys.begin(), keys.end(),
                                      [&](const auto& entry) { return entry.first == key; }),
                       keys.end());
    return *this;
}

std::string SkinProjectWriter::Get(const std::string& section, const std::string& key) const {
    for (const auto& [name, keys] : m_sections)
        if (name == section)
            for (const auto& entry : keys)
                if (entry.first == key) return entry.second;
    return {};
}

std::string SkinProjectWriter::Text(const std::string& eol) const {
    std::string text;
    for (const auto& [name, keys] : m_sections) {
        text += "[" + name + "]" + eol;
        for (const auto& [key, value] : keys) text += key + "=" + value + eol;
    }
    return text;
}

std::string SkinProjectWriter::Write(const std::string& folder) const {
    const std::string path =
        (std::filesystem::path(folder) / (Get("SkinInfo", "SkinName") + ".skn")).string();
    std::filesystem::create_directories(folder);
    WriteProjectFile(path);
    WriteBitmaps(folder);
    return path;
}

void SkinProjectWriter::WriteProjectFile(const std::string& path, const std::string& eol) const {
    WriteText(path, Text(eol));
}

std::vector<std::string> SkinProjectWriter::BitmapNames() const {
    std::vector<std::string> names;
    for (const auto& [name, keys] : m_sections)
        for (const auto& [key, value] : keys)
            if (IsBitmapKey(key) && !value.empty()) names.push_back(value);
    return names;
}

std::pair<int, int> SkinProjectWriter::DrawnSize(const std::string& section,
                                                 const std::string& key) const {
    // Bitmaps drawn into a rectangle are as big as it; the scroll bar's is a strip of
    // parts as wide as the bar.
    const std::string rectKey = section == "ScrollBar" ? "RectNormal" : "Rect";
    const bool drawn = section == "TitleBar" || section == "ToolBarToggler" ||
                       section == "MaximizeVuzuRuzIcon" || section == "Battery" ||
                       section == "ScrollBar" || (section == "ToolBar" && key == "BmpNormal");
    int l = 0, t = 0, r = 0, b = 0;
    if (!drawn || std::sscanf(Get(section, rectKey).c_str(), "%d,%d,%d,%d", &l, &t, &r, &b) != 4 ||
        r <= l || b <= t)
        return {12, 10};
    return {r - l, section == "ScrollBar" ? 36 : b - t};
}

void SkinProjectWriter::WriteBitmaps(const std::string& folder) const {
    const std::filesystem::path base(folder);
    for (const auto& [section, keys] : m_sections) {
        for (const auto& [key, value] : keys) {
            if (!IsBitmapKey(key) || value.empty()) continue;
            const std::string path = (base / value).string();
            const auto [width, height] = DrawnSize(section, key);
            if (IsMaskKey(key))
                WriteMaskBmp(path, width, height);
            else if (section == "WallPaper")
                WriteSolidBmp(path, 160 * m_reso, 160 * m_reso);
            else if (key == "Preview1")
                WriteSolidBmp(path, 60 * m_reso, 60 * m_reso);
            else if (key == "Preview2")
                WriteSolidBmp(path, 60, 60);
            else
                WriteSolidBmp(path, width, height);
        }
    }
}

}  // namespace vantoro::test
