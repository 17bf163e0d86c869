#include "InPlaceComboBoxImp.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "InPlaceCBEditImp.h"
#include "InPlaceCBListBoxImp.h"
#include "InPlaceMetrics.h"
#include "LineEditSelection.h"
#include "TextCodec.h"

namespace vantoro {
namespace {
constexpr int kMaxDropDownRows = 8;
}

CInPlaceComboBoxImp::CInPlaceComboBoxImp(QWidget* parent, QWidget* list)
    : QWidget(parent),
      m_edit(new CInPlaceCBEditImp(this, list)),
      m_listBox(new CInPlaceCBListBoxImp(this)) {
    if (list) {
        setFont(list->font());
        m_listBox->setFont(list->font());
    }
    setFocusProxy(m_edit);
    m_edit->move(0, 1);
    connect(m_edit, &CInPlaceCBEditImp::StepRequested, this, &CInPlaceComboBoxImp::Step);
    connect(m_edit, &CInPlaceCBEditImp::DropRequested, this, &CInPlaceComboBoxImp::ShowDropDown);
    connect(m_listBox, &CInPlaceCBListBoxImp::Chosen, this, &CInPlaceComboBoxImp::Choose);
    connect(m_listBox, &CInPlaceCBListBoxImp::ClosedUp, this, &CInPlaceComboBoxImp::CloseDropDown);
}

QRect CInPlaceComboBoxImp::ButtonRect() const {
    const int w = InPlaceButtonWidth();
    return QRect(width() - w, 0, w, height());
}

void CInPlaceComboBoxImp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_edit->resize(std::max(0, width() - InPlaceButtonWidth()), height());
    // A choice selected while the field was narrower scrolled it to its end.
    if (m_edit->hasSelectedText() && m_edit->selectedText() == m_edit->text())
        SelectAllShowingStart(*m_edit);
}

void CInPlaceComboBoxImp::MoveTo(const QRect& cell) {
    setGeometry(cell);
    if (isHidden()) show();
    // The pop-up list is as wide as the cell.
    SetDropDownHeight(m_listBox->count());
}

void CInPlaceComboBoxImp::Load(const CPropertyValue& value,
                               const std::vector<std::string>& choices) {
    ResetContent();
    for (const std::string& text : choices) AddString(text);
    const int32_t* index = std::get_if<int32_t>(&value);
    SetCurSel(index ? *index : -1);
    SetDropDownHeight(int(choices.size()));
}

void CInPlaceComboBoxImp::FocusField() {
    SelectAllShowingStart(*m_edit);
    m_edit->setFocus(Qt::OtherFocusReason);
}

bool CInPlaceComboBoxImp::PressButton() {
    if (!IsDroppedDown()) ShowDropDown();
    return true;
}

void CInPlaceComboBoxImp::ResetContent() {
    m_listBox->clear();
    m_nCurSel = -1;
    // No choice yet: the field must not go on showing the last row's choice.
    m_edit->clear();
}

void CInPlaceComboBoxImp::AddString(const std::string& text) {
    auto* entry = new QListWidgetItem(ToQString(text), m_listBox);
    entry->setSizeHint(QSize(0, InPlaceButtonWidth()));
}

void CInPlaceComboBoxImp::SetDropDownHeight(int count) {
    const int rows = std::clamp(count, 1, kMaxDropDownRows);
    const int frame = 2 * m_listBox->frameWidth();
    m_listBox->resize(std::max(0, width() - 1), InPlaceButtonWidth() * rows + frame);
}

int CInPlaceComboBoxImp::SetCurSel(int index, bool take) {
    if (index < 0 || index >= m_listBox->count()) return -1;
    m_listBox->setCurrentRow(index);
    ShowChoiceText(index);
    m_nCurSel = index;
    if (take) emit Taken();
    return index;
}

void CInPlaceComboBoxImp::ShowChoiceText(int index) {
    const QListWidgetItem* entry = index >= 0 ? m_listBox->item(index) : nullptr;
    m_edit->setText(entry ? entry->text() : QString());
    SelectAllShowingStart(*m_edit);
}

bool CInPlaceComboBoxImp::IsDroppedDown() const {
    return m_listBox->isVisible();
}

void CInPlaceComboBoxImp::ShowDropDown() {
    m_listBox->move(mapToGlobal(QPoint(0, height() + 1)));
    m_listBox->show();
    m_listBox->setFocus(Qt::PopupFocusReason);
    update(ButtonRect());
}

void CInPlaceComboBoxImp::CloseDropDown() {
    m_listBox->hide();
    update(ButtonRect());
}

void CInPlaceComboBoxImp::Choose(int index) {
    CloseDropDown();
    m_nCurSel = index;
    ShowChoiceText(index);
    emit Taken();
}

void CInPlaceComboBoxImp::Step(int direction) {
    const int count = m_listBox->count();
    if (count <= 0) return;
    if (direction < 0) {
        if (m_nCurSel > 0) SetCurSel(m_nCurSel - 1, true);
    } else if (m_nCurSel < count - 1) {
        SetCurSel(m_nCurSel + 1, true);
    }
}

void CInPlaceComboBoxImp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = ButtonRect();
    button.state |= IsDroppedDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = button.rect.adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

void CInPlaceComboBoxImp::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !ButtonRect().contains(event->position().toPoint()))
        return;
    if (IsDroppedDown())
        CloseDropDown();
    else
        ShowDropDown();
}

}  // namespace vantoro
