#pragma once

#include "InPlaceButtonEditImp.h"

namespace vantoro {

// The colour editor: a swatch, the text "red,green,blue" and a "..." button that opens
// the colour chooser.
class CInPlaceColorEditImp : public CInPlaceButtonEditImp {
    Q_OBJECT
public:
    CInPlaceColorEditImp(QWidget* parent, QWidget* list);

    EEditorKind Kind() const override { return EEditorKind::Colour; }

protected:
    ETypedValue ParseText(const std::string& text, CPropertyValue& value) const override;
    QString TextOf(const CPropertyValue& value) const override;
    std::optional<CPropertyValue> RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    CPropertyValue HeldValue() const override { return m_crColor; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<COLORREF>(&value)) m_crColor = *held;
    }
    void PaintDecoration(QPainter& painter) override;
    void OnValueShown() override { update(); }

private:
    COLORREF m_crColor = 0;
};

}  // namespace vantoro
