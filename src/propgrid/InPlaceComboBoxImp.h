#pragma once

#include <QWidget>

#include "InPlaceEditor.h"

namespace vantoro {

class CInPlaceCBEditImp;
class CInPlaceCBListBoxImp;

// The drop-down choice editor of the list rows: a read-only field showing the choice, a
// button at the right and a pop-up list at most 8 rows high. A choice made in the pop-up
// (click or Enter) or by Up and Down in the field is taken at once. The keyboard stays
// in the property list while a choice row is selected.
class CInPlaceComboBoxImp : public QWidget, public IInPlaceEditor {
    Q_OBJECT
public:
    CInPlaceComboBoxImp(QWidget* parent, QWidget* list);

    EEditorKind Kind() const override { return EEditorKind::Choice; }
    void MoveTo(const QRect& cell) override;
    // Opens on the choice index `value` among `choices`.
    void Load(const CPropertyValue& value, const std::vector<std::string>& choices) override;
    // The chosen index, -1 for none.
    CResult<CPropertyValue> Read() const override { return CPropertyValue(int32_t(m_nCurSel)); }
    bool HasTyping() const override { return false; }
    bool TakesTyping() const override { return false; }
    void FocusField() override;
    // Shows the choices.
    bool PressButton() override;

    void ResetContent();
    void AddString(const std::string& text);
    // Sizes the drop-down list for `count` entries.
    void SetDropDownHeight(int count);
    // Chooses entry `index` (not when out of range) and, when `take`, has it taken.
    // -1 when nothing changed.
    int SetCurSel(int index, bool take = false);
    int GetCurSel() const { return m_nCurSel; }
    void ShowDropDown();
    void CloseDropDown();
    bool IsDroppedDown() const;

    CInPlaceCBEditImp* Edit() const { return m_edit; }
    CInPlaceCBListBoxImp* DropDown() const { return m_listBox; }

signals:
    // The choice made is to be entered.
    void Taken();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowChoiceText(int index);
    // A choice made in the pop-up list: it closes and the choice is taken.
    void Choose(int index);
    // Up (-1) or Down (+1) in the field: the next choice, taken; none past either end.
    void Step(int direction);
    QRect ButtonRect() const;

    int m_nCurSel = -1;
    CInPlaceCBEditImp* m_edit;
    CInPlaceCBListBoxImp* m_listBox;
};

}  // namespace vantoro
