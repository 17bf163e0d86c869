#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DepthMapper.h"
#include "EdgeScaler.h"
#include "Result.h"
#include "SkinDeriver.h"

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// The bitmap files of a variant: every file the original's bitmap fields name, read once,
// brought to the size the variant draws it at and mapped to the variant's depth (a mask
// by coverage, and 1-bit). Each is named in the variant's folder by its own file name.
class CVariantBitmaps {
public:
    struct CFile {
        std::string Name;  // in the variant's folder
        std::vector<uint8_t> Bytes;
    };

    // `reso`: the variant's resolution code.
    CVariantBitmaps(const CEdgeScaler& scaler, const CDepthMapper& mapper, int reso,
                    CBitmapCache& bitmaps);

    // Derives every bitmap `original` names and points `variant`'s fields (whose
    // rectangles are already scaled) at the new files. A file that cannot be read keeps
    // its name, is not written, and is a warning; `folder` and `projectFileName` are the
    // variant's, for the names and the warnings. Fails when a picture cannot be written.
    CResult<void> Derive(const CSkinProject& original, CSkinProject& variant,
                         const std::string& folder, const std::string& projectFileName,
                         std::vector<CVariantWarning>& warnings);

    const std::vector<CFile>& Files() const { return m_files; }

private:
    struct CSize2 {
        int Width = 0;
        int Height = 0;
        bool operator==(const CSize2&) const = default;
    };
    CSize2 Target(const CSkinField& field, const CSkinProject& original,
                  const CSkinProject& variant, int width, int height) const;
    std::string FreeName(const std::string& name) const;

    const CEdgeScaler& m_scaler;
    const CDepthMapper& m_mapper;
    int m_reso;
    CBitmapCache& m_bitmaps;
    std::vector<CFile> m_files;
    std::vector<std::string> m_taken;
};

}  // namespace vantoro
