#pragma once

#include "InPlaceButtonEditImp.h"

namespace vantoro {

// The rectangle editor: the text "x,y (width x height)" and a "..." button that opens
// the rectangle dialog.
class CInPlaceRectEditImp : public CInPlaceButtonEditImp {
    Q_OBJECT
public:
    CInPlaceRectEditImp(QWidget* parent, QWidget* list);

    EEditorKind Kind() const override { return EEditorKind::Rect; }

protected:
    ETypedValue ParseText(const std::string& text, CPropertyValue& value) const override;
    QString TextOf(const CPropertyValue& value) const override;
    std::optional<CPropertyValue> RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    CPropertyValue HeldValue() const override { return m_rect; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<CRect>(&value)) m_rect = *held;
    }

private:
    CRect m_rect;
};

}  // namespace vantoro
