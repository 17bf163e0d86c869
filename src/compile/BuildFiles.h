#pragma once

namespace vantoro {

class CSkinProject;

// Removes the build's intermediate files from the project folder: the resource
// script and, for a 320x320 skin, the four wall paper tiles. Files that are missing or
// cannot be removed are skipped.
void DeleteBuildFiles(const CSkinProject& project);

}  // namespace vantoro
