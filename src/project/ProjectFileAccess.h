#pragma once

#include <string>

#include "Geometry.h"

namespace vantoro {

class CProfileStore;

// Value-level access to a project file through the store that holds it. Reads use the
// default "1" ("1,1", "1,1,1,1") for a missing key; writes format the value and replace it
// in place.

// True when something exists at `path`; a folder of that name counts too.
bool ProjectFileExists(const std::string& path);

// A key present with an empty value loads as empty text.
bool ReadProfileString(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, std::string& value);
// Fail on a key present with an empty value; otherwise take the leading decimal integer.
bool ReadProfileInt(CProfileStore& store, const std::string& path, const std::string& section,
                    const std::string& key, int& value);
bool ReadProfileColor(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, COLORREF& value);
// Members that cannot be matched keep their values ("%i" rules: 0x hex, leading 0 octal).
bool ReadProfileRect(CProfileStore& store, const std::string& path, const std::string& section,
                     const std::string& key, CRect& value);
bool ReadProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, CPoint& value);
bool ReadProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, CSize& value);

bool WriteProfileString(CProfileStore& store, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);
bool WriteProfileInt(CProfileStore& store, const std::string& path, const std::string& section,
                     const std::string& key, int value);
bool WriteProfileColor(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, COLORREF value);
bool WriteProfileRect(CProfileStore& store, const std::string& path, const std::string& section,
                      const std::string& key, const CRect& value);
bool WriteProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, const CPoint& value);
bool WriteProfilePoint(CProfileStore& store, const std::string& path, const std::string& section,
                       const std::string& key, const CSize& value);

// The conversions the reads use. `end`, when given, is where the text read stops: past the
// number's last digit, past the last number matched; 0 when no number is there.
int ParseLeadingInt(const std::string& text, size_t* end = nullptr);
// Matches up to `count` comma-separated "%i" numbers; returns how many matched.
int ScanInts(const std::string& text, int count, int32_t* out, size_t* end = nullptr);

}  // namespace vantoro
