#pragma once

#include <filesystem>

#include "SkinLayout.h"
#include "Theme.h"

namespace skingen {

using Layout = vantoro::CSkinLayout;

// Writes the project file of the skin `th` laid out as `L`, naming the bitmaps skingen
// writes beside it. False when the file cannot be written.
bool WriteProject(const std::filesystem::path& file, const Theme& th, const Layout& L);

}  // namespace skingen
