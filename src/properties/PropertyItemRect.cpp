#include "PropertyItemRect.h"

#include "InPlaceRectEditor.h"
#include "PropertyListHost.h"

namespace vantoro {

std::string CPropertyItemRect::Format(const CRect& rect) {
    // Widths computed in 64 bits: far-apart edges from a hand-edited file must not overflow.
    const int64_t width = int64_t(rect.right) - rect.left;
    const int64_t height = int64_t(rect.bottom) - rect.top;
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " (" +
           std::to_string(width) + "x" + std::to_string(height) + ")";
}

void CPropertyItemRect::DrawValue(QPainter& painter, const QRect& cell) const {
    DrawValueText(painter, cell, Format(m_rcValue));
}

void CPropertyItemRect::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    ShowLoadedEditor<IInPlaceRectEditor>(list, kEditorClass, cell, load,
                                         [this](auto& editor) { editor.SetRect(m_rcValue); });
}

CResult<void> CPropertyItemRect::ReadEditor(IInPlaceEditor& editor) {
    if (auto* rect = dynamic_cast<IInPlaceRectEditor*>(&editor)) m_rcValue = rect->GetRect();
    return {};
}

void CPropertyItemRect::SetValue(const CPropertyValue& value) {
    if (auto* rect = std::get_if<CRect>(&value)) m_rcValue = *rect;
}

}  // namespace vantoro
