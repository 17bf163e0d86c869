#pragma once

#include <string>

#include "InPlaceButtonEditImp.h"

namespace vantoro {

// The editor of a bitmap file row: the file name as text, and a "Browse..." button by
// which the window offers a picture to take.
class CInPlaceFileEditImp : public CInPlaceButtonEditImp {
    Q_OBJECT
public:
    CInPlaceFileEditImp(QWidget* parent, QWidget* list);

    EEditorKind Kind() const override { return EEditorKind::File; }
    // The typed name; one with characters a skin cannot hold is refused with a sentence.
    CResult<CPropertyValue> Read() const override;

signals:
    // "Browse...": the window is to offer a picture for the row.
    void BrowseRequested();

protected:
    ETypedValue ParseText(const std::string& text, CPropertyValue& value) const override;
    QString TextOf(const CPropertyValue& value) const override;
    // The window chooses the picture and enters it itself.
    std::optional<CPropertyValue> RunDialog() override;
    QRect EditRect(const QSize& size) const override;
    CPropertyValue HeldValue() const override { return m_strText; }
    void HoldValue(const CPropertyValue& value) override {
        if (auto* held = std::get_if<std::string>(&value)) m_strText = *held;
    }

private:
    std::string m_strText;
};

}  // namespace vantoro
