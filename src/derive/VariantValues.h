#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ColourQuantiser.h"
#include "EdgeScaler.h"
#include "SkinDeriver.h"
#include "SkinFields.h"

namespace vantoro {

class CSkinProject;

// Every value of a variant as the field table describes it: the skin's name, resolution
// and depth as chosen, every rectangle, point and size scaled by its edges, every colour
// the nearest the new depth shows, the texts and bitmap names as they were.
class CVariantValues {
public:
    // `reso` and `depth` are the codes the variant keeps (1 or 2; 1 to 16 bits);
    // `originalDepth` the original's, against which a colour is judged.
    CVariantValues(const CEdgeScaler& scaler, int reso, int depth, int originalDepth,
                   std::string name);

    // Puts the variant of every field of `original` into `variant`; a rectangle or point
    // that moved further than rounding is a warning against `projectFile`.
    void Fill(const CSkinProject& original, CSkinProject& variant, const std::string& projectFile,
              std::vector<CVariantWarning>& warnings) const;

private:
    // `inexact`: the value could not be carried over as it was (a rectangle or point moved
    // further than rounding, a colour the depth does not show).
    CFieldValue Derived(const CSkinField& field, const CFieldValue& value, bool& inexact) const;

    const CEdgeScaler& m_scaler;
    int m_reso;
    int m_depth;
    std::string m_name;
    CColourQuantiser m_colours;
    std::optional<CColourQuantiser> m_originalColours;  // none for a depth no handheld has
};

}  // namespace vantoro
