#pragma once

#include <QPointer>
#include <QWidget>

#include "InPlaceComboEditor.h"

namespace vantoro {

class CInPlaceCBEditImp;
class CInPlaceCBListBoxImp;

// The drop-down choice editor of the list rows: a read-only field showing the choice, a
// button at the right and a pop-up list at most 8 rows high. A choice made in the pop-up
// (click or Enter) or by Up and Down in the field is committed at once. The focus stays
// in the property list while a choice row is selected.
class CInPlaceComboBoxImp : public QWidget, public IInPlaceComboEditor {
    Q_OBJECT
public:
    CInPlaceComboBoxImp(QWidget* parent, QWidget* list);

    const char* EditorClassName() const override { return "CInPlaceComboBoxImp"; }
    void MoveTo(const QRect& cell) override;
    void ResetContent() override;
    void AddString(const std::string& text) override;
    void SetCurSel(int index) override { SetCurSel(index, false); }
    int GetCurSel() const override { return m_nCurSel; }
    void SetDropDownHeight(int count) override;

    // Chooses entry `index` (not when out of range) and, when `notify`, commits it.
    // -1 when nothing changed.
    int SetCurSel(int index, bool notify);
    void ShowDropDown();
    void CloseDropDown();
    bool IsDroppedDown() const;

    CInPlaceCBEditImp* Edit() const { return m_edit; }
    CInPlaceCBListBoxImp* DropDown() const { return m_listBox; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowChoiceText(int index);
    QRect ButtonRect() const;

    int m_nCurSel = -1;
    CInPlaceCBEditImp* m_edit;
    CInPlaceCBListBoxImp* m_listBox;
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
