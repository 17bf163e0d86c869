#pragma once

#include "InPlaceButtonEditImp.h"
#include "InPlaceRectEditor.h"

namespace vantoro {

// The rectangle editor: the text "x,y (width x height)" and a "..." button that opens
// the rectangle dialog.
class CInPlaceRectEditImp : public CInPlaceButtonEditImp, public IInPlaceRectEditor {
    Q_OBJECT
public:
    CInPlaceRectEditImp(QWidget* parent, QWidget* list);

    const char* EditorClassName() const override { return "CInPlaceRectEditImp"; }
    void MoveTo(const QRect& cell) override { MoveEditor(cell); }
    CRect GetRect() const override { return m_rect; }
    void SetRect(const CRect& rect) override;
    void SelectAllAndFocus() override { FocusEdit(); }

protected:
    ETypedValue ReadTypedText(bool store) override;
    bool RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    QString ValueText() const override;
    CPropertyValue HeldValue() const override { return m_rect; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<CRect>(&value)) m_rect = *held;
    }

private:
    CRect m_rect;
};

}  // namespace vantoro
