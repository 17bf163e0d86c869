#pragma once

#include <filesystem>

namespace skingen {

// Draws the Meadow (160x160, 256 colours) and Nightfall (320x320, 64k colours) sample
// projects into `examples`, one folder each, replacing what is there. Returns false and
// reports on stderr when a file cannot be written.
bool WriteSampleSkins(const std::filesystem::path& examples);

}  // namespace skingen
