#pragma once

#include "InPlaceButtonEditImp.h"
#include "InPlaceColorEditor.h"

namespace vantoro {

// The colour editor: a swatch, the text "red,green,blue" and a "..." button that opens
// the colour chooser.
class CInPlaceColorEditImp : public CInPlaceButtonEditImp, public IInPlaceColorEditor {
    Q_OBJECT
public:
    CInPlaceColorEditImp(QWidget* parent, QWidget* list);

    const char* EditorClassName() const override { return "CInPlaceColorEditImp"; }
    void MoveTo(const QRect& cell) override { MoveEditor(cell); }
    COLORREF GetColor() const override { return m_crColor; }
    void SetColor(COLORREF color) override;
    void SelectAllAndFocus() override { FocusEdit(); }

protected:
    ETypedValue ReadTypedText(bool store) override;
    bool RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    QString ValueText() const override;
    CPropertyValue HeldValue() const override { return m_crColor; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<COLORREF>(&value)) m_crColor = *held;
    }
    void PaintDecoration(QPainter& painter) override;
    void OnValueShown() override;

private:
    COLORREF m_crColor = 0;
    // What the swatch shows: the colour held, not one typed that is still being judged.
    COLORREF m_crSwatch = 0;
};

}  // namespace vantoro
