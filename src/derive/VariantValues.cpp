#include "VariantValues.h"

#include "DataSkinInfo.h"
#include "SkinFields.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

std::string RectText(const CRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

std::string PointText(const CPoint& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

}  // namespace

CVariantValues::CVariantValues(const CEdgeScaler& scaler, int reso, int depth, std::string name)
    : m_scaler(scaler), m_reso(reso), m_depth(depth), m_name(std::move(name)) {}

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
        const bool rect = field.Kind == CFieldKind::Rect;
        const std::string from =
            rect ? RectText(std::get<CRect>(value)) : PointText(std::get<CPoint>(value));
        const std::string to =
            rect ? RectText(std::get<CRect>(derived)) : PointText(std::get<CPoint>(derived));
        warnings.push_back(CVariantWarning::For(
            field,
            std::string(rect ? "The rectangle " : "The point ") + from + " became " + to +
                ", more than half a pixel from its exact place: the screen's edge or the "
                "smallest size moved it.",
            projectFile));
    }
}

}  // namespace vantoro
