#pragma once

#include <string>
#include <vector>

#include "EdgeScaler.h"
#include "SkinDeriver.h"
#include "SkinFields.h"

namespace vantoro {

class CSkinProject;

// Every value of a variant as the field table describes it: the skin's name, resolution
// and depth as chosen, every rectangle, point and size scaled by its edges, the texts,
// colours and bitmap names as they were.
class CVariantValues {
public:
    // `reso` and `depth` are the codes the variant keeps (1 or 2; 1 to 16 bits).
    CVariantValues(const CEdgeScaler& scaler, int reso, int depth, std::string name);

    // Puts the variant of every field of `original` into `variant`; a rectangle or point
    // that moved further than rounding is a warning against `projectFile`.
    void Fill(const CSkinProject& original, CSkinProject& variant, const std::string& projectFile,
              std::vector<CVariantWarning>& warnings) const;

private:
    CFieldValue Derived(const CSkinField& field, const CFieldValue& value, bool& inexact) const;

    const CEdgeScaler& m_scaler;
    int m_reso;
    int m_depth;
    std::string m_name;
};

}  // namespace vantoro
