#include "VariantValues.h"

#include <cstdio>

#include "DataSkinInfo.h"
#include "SkinFields.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

std::string PointText(const CPoint& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string ColourText(COLORREF c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string ValueText(const CFieldValue& value) {
    if (const auto* rect = std::get_if<CRect>(&value)) return rect->Text();
    if (const auto* point = std::get_if<CPoint>(&value)) return PointText(*point);
    if (const auto* colour = std::get_if<COLORREF>(&value)) return ColourText(*colour);
    return {};
}

std::string InexactText(const CSkinField& field, const CFieldValue& from, const CFieldValue& to) {
    if (field.Kind == CFieldKind::Colour)
        return "The colour " + ValueText(from) + " becomes " + ValueText(to) +
               ", the nearest the variant's depth shows.";
    return std::string(field.Kind == CFieldKind::Rect ? "The rectangle " : "The point ") +
           ValueText(from) + " became " + ValueText(to) +
           ", more than half a pixel from its exact place: the screen's edge or the smallest "
           "size moved it.";
}

}  // namespace

CVariantValues::CVariantValues(const CEdgeScaler& scaler, int reso, int depth, int originalDepth,
                               std::string name)
    : m_scaler(scaler), m_reso(reso), m_depth(depth), m_name(std::move(name)), m_colours(depth) {
    if (CColourQuantiser::Supports(originalDepth)) m_originalColours.emplace(originalDepth);
}

CFieldValue CVariantValues::Derived(const CSkinField& field, const CFieldValue& value,
                                    bool& inexact) const {
    switch (field.Kind) {
        case CFieldKind::Rect: {
            const CEdgeScaler::CScaledRect scaled =
                m_scaler.Rect(std::get<CRect>(value), field.OnScreen);
            inexact = scaled.Inexact;
            return scaled.Rect;
        }
        case CFieldKind::Point: {
            const CEdgeScaler::CScaledPoint scaled =
                m_scaler.Point(std::get<CPoint>(value), field.OnScreen);
            inexact = scaled.Inexact;
            return scaled.Point;
        }
        case CFieldKind::Size: {
            const CSize& size = std::get<CSize>(value);
            return CSize{m_scaler.Size(size.cx), m_scaler.Size(size.cy)};
        }
        case CFieldKind::ResoChoice:
            return int32_t(m_reso - 1);
        case CFieldKind::DepthChoice:
            return int32_t(CDataSkinInfo::DepthIndexOf(m_depth));
        case CFieldKind::Integer:
            if (field.Rule == CFieldRule::ResoCode) return int32_t(m_reso);
            if (field.Rule == CFieldRule::DepthCode) return int32_t(m_depth);
            // A length of the picture (a button's height in the scroll bar's strip).
            if (field.Range == CNumberRange::Extent) return m_scaler.Size(std::get<int32_t>(value));
            return value;
        case CFieldKind::Text:
            if (field.Rule == CFieldRule::SkinName) return m_name;
            return value;
        case CFieldKind::Colour: {
            // A colour the variant shows as the original did stays as the author typed it;
            // one that changes becomes the nearest of the new depth, which the handheld
            // would show anyway, so the editor's preview shows the variant as it will look.
            const COLORREF colour = std::get<COLORREF>(value);
            auto shownBy = [&](const CColourQuantiser& colours) {
                const uint32_t rgb = colours.ColourOf(
                    colours.Nearest(RedOf(colour), GreenOf(colour), BlueOf(colour)));
                return RgbColor(int(rgb >> 16), int(rgb >> 8), int(rgb));
            };
            const COLORREF shown = shownBy(m_colours);
            const COLORREF before = m_originalColours ? shownBy(*m_originalColours) : colour;
            if (shown == before) return value;
            inexact = true;
            return shown;
        }
        default:
            return value;
    }
}

void CVariantValues::Fill(const CSkinProject& original, CSkinProject& variant,
                          const std::string& projectFile,
                          std::vector<CVariantWarning>& warnings) const {
    for (const CSkinField& field : CSkinFields::All()) {
        const CFieldValue value = original.Element(field.Element).Get(field);
        bool inexact = false;
        const CFieldValue derived = Derived(field, value, inexact);
        variant.Element(field.Element).Set(field, derived);
        if (!inexact) continue;
        warnings.push_back(
            CVariantWarning::For(field, InexactText(field, value, derived), projectFile));
    }
}

}  // namespace vantoro
