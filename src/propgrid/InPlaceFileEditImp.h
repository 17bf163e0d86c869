#pragma once

#include <string>

#include "InPlaceButtonEditImp.h"
#include "InPlaceTextEditor.h"

namespace vantoro {

// The editor of a bitmap file row: the file name as text, and a "Browse..." button by
// which the window offers a picture to take.
class CInPlaceFileEditImp : public CInPlaceButtonEditImp, public IInPlaceTextEditor {
    Q_OBJECT
public:
    CInPlaceFileEditImp(QWidget* parent, QWidget* list);

    const char* EditorClassName() const override { return "CInPlaceFileEditImp"; }
    void MoveTo(const QRect& cell) override { MoveEditor(cell); }
    std::string GetText() const override { return m_strText; }
    void SetText(const std::string& text) override;
    void SelectAllAndFocus() override { FocusEdit(); }

protected:
    ETypedValue ReadTypedText(bool store) override;
    bool RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    QString ValueText() const override;
    CPropertyValue HeldValue() const override { return m_strText; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<std::string>(&value)) m_strText = *held;
    }

private:
    std::string m_strText;
};

}  // namespace vantoro
