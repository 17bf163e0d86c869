#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "Result.h"
#include "ScriptLineOrigin.h"

namespace vantoro {

class CSkinProject;

// The resource script the compiler library turns into the skin database: bitmap
// declarations, integer and string resources, then fifteen word lists, every line
// ending in CR LF on every platform. The layout (IDs, value order, the fixed values of
// word list 3011) is the database's format; do not reorder.

inline constexpr const char* kScriptFileName = "_script.txt";

// The bitmap keyword for a colour depth code; empty for a code outside the table.
const char* BitmapKeyword(int depth);

// Writes the script of `project`, as it is in memory, into `out`. With `origins`, it
// receives for every line written, in order, the field that line came from. The wall
// paper tiles are named in `tileFolder` (ending with a separator), or beside the script.
void WriteResourceScript(const CSkinProject& project, std::ostream& out,
                         std::vector<CScriptLineOrigin>* origins = nullptr,
                         const std::string& tileFolder = {});

// Writes the script into "_script.txt" in the project folder, replacing any earlier one in
// one step: a failure names the file and the reason and leaves no partial file behind.
CResult<void> WriteResourceScript(const CSkinProject& project,
                                  std::vector<CScriptLineOrigin>* origins = nullptr);
// Writes the script into `path`, naming the tiles in `tileFolder`; a link at `path` is
// replaced, never written through.
CResult<void> WriteResourceScript(const CSkinProject& project, const std::string& path,
                                  const std::string& tileFolder,
                                  std::vector<CScriptLineOrigin>* origins, CAtomicFile::Mode mode);

}  // namespace vantoro
