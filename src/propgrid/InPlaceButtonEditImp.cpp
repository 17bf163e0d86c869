#include "InPlaceButtonEditImp.h"

#include <QMouseEvent>
#include <QPainter>

#include "EntryForm.h"
#include "FieldClickSelection.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceDotsButton.h"
#include "InPlaceKeys.h"
#include "InPlaceMetrics.h"
#include "LineEditSelection.h"
#include "MessageBox.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceButtonEditImp::CInPlaceButtonEditImp(QWidget* parent, QWidget* list,
                                             const QString& buttonName)
    : QWidget(parent),
      m_edit(new CInPlaceButtonEditBoxImp(this)),
      m_button(new CInPlaceDotsButton(buttonName, this)),
      m_pList(list) {
    if (list) setFont(list->font());
    setFocusProxy(m_edit);
    new CFieldClickSelection(m_edit, [this] { return HasTyping(); });
    m_button->installEventFilter(this);
    connect(m_button, &QToolButton::clicked, this, [this] { OpenDialog(); });
}

CInPlaceButtonEditImp::~CInPlaceButtonEditImp() {
    // The field may still have the focus: losing it now must not reach a half-gone editor.
    m_edit->Detach();
}

QRect CInPlaceButtonEditImp::ButtonRect() const {
    const int w = InPlaceButtonWidth();
    return QRect(width() - w, 0, w, height());
}

void CInPlaceButtonEditImp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_edit->setGeometry(EditRect(size()));
    m_button->setGeometry(ButtonRect());
}

void CInPlaceButtonEditImp::MoveTo(const QRect& cell) {
    setGeometry(cell);
    if (isHidden()) show();
}

void CInPlaceButtonEditImp::Load(const CPropertyValue& value, const std::vector<std::string>&) {
    HoldValue(value);
    ShowHeldValue();
    update();
    FocusField();
}

void CInPlaceButtonEditImp::FocusField() {
    SelectAllShowingStart(*m_edit);
    if (CPropertyListCtrl::EditorMayTakeFocus(m_pList)) m_edit->setFocus(Qt::OtherFocusReason);
}

void CInPlaceButtonEditImp::SetRowName(const QString& name) {
    m_strRowName = name;
    m_button->setAccessibleDescription(name);
}

void CInPlaceButtonEditImp::ShowHeldValue() {
    m_edit->setText(TextOf(HeldValue()));
    m_edit->setCursorPosition(0);
    OnValueShown();
}

CResult<CPropertyValue> CInPlaceButtonEditImp::Read() const {
    CPropertyValue value;
    switch (ParseText(FromQString(m_edit->text()), value)) {
        case ETypedValue::Empty:
            return HeldValue();
        case ETypedValue::Invalid:
            return Fail(InvalidEntryText());
        case ETypedValue::Valid:
            break;
    }
    return value;
}

std::string CInPlaceButtonEditImp::InvalidEntryText() const {
    return CEntryForm::InvalidEntryText(Kind(), FromQString(m_strRowName));
}

bool CInPlaceButtonEditImp::HasTyping() const {
    return m_edit->isModified() && m_edit->text() != TextOf(HeldValue());
}

QString CInPlaceButtonEditImp::Refusal(const CPropertyValue& value) const {
    auto* list = qobject_cast<CPropertyListCtrl*>(m_pList.data());
    return list ? list->Refusal(value) : QString();
}

bool CInPlaceButtonEditImp::ReadyToTake() {
    CPropertyValue value;
    switch (ParseText(FromQString(m_edit->text()), value)) {
        case ETypedValue::Empty:
            ShowHeldValue();
            return true;
        case ETypedValue::Invalid:
            CMessageBox::Show(this, ToQString(InvalidEntryText()), CMessageBox::Kind::Warning, {},
                              QString::fromLatin1(kInvalidEntryCaption));
            SelectAllShowingStart(*m_edit);
            emit Invalid();
            return false;
        case ETypedValue::Valid:
            break;
    }
    return true;
}

bool CInPlaceButtonEditImp::PressButton() {
    OpenDialog();
    return true;
}

void CInPlaceButtonEditImp::OpenDialog() {
    if (m_bButtonDown) return;
    m_bButtonDown = true;
    m_button->setDown(true);
    m_button->repaint();
    const std::optional<CPropertyValue> chosen = RunDialog();
    m_bButtonDown = false;
    m_button->setDown(false);
    if (chosen) {
        m_edit->setText(TextOf(*chosen));
        m_edit->setModified(true);
        emit Taken();
        // Not taken (the rules refused it): the field shows the value it was opened on.
        if (HasTyping()) ShowHeldValue();
    }
    update();
}

bool CInPlaceButtonEditImp::FieldKeyPress(const QKeyEvent& event) {
    const int key = event.key();
    if (IsDialogKey(&event)) {
        OpenDialog();
        return true;
    }
    if (IsEnterKey(key)) {
        if (!ReadyToTake()) return true;
        if (HasTyping()) emit Taken();
        // Taken: the row stays selected and the list has the keyboard. Refused: the field
        // keeps the text and the keyboard for mending.
        if (!HasTyping()) HandFocusBack(m_pList);
        return true;
    }
    if (key == Qt::Key_Tab) {
        // The focus loss takes what was typed; the button is next.
        m_button->setFocus(Qt::TabFocusReason);
        return true;
    }
    switch (FieldKeyOf(event)) {
        case EFieldKey::Leave:
            HandFocusBack(m_pList);
            return true;
        case EFieldKey::Abandon:
            emit Abandoned();
            return true;
        case EFieldKey::Step:
            if (ReadyToTake()) emit Stepped(key);
            return true;
        case EFieldKey::Other:
            break;
    }
    return false;
}

bool CInPlaceButtonEditImp::ButtonKeyPress(const QKeyEvent& event) {
    const int key = event.key();
    if (IsDialogKey(&event) || IsEnterKey(key)) {
        OpenDialog();
        return true;
    }
    if (key == Qt::Key_Backtab) {
        m_edit->setFocus(Qt::BacktabFocusReason);
        SelectAllShowingStart(*m_edit);
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Escape) {
        HandFocusBack(m_pList);
        return true;
    }
    if (IsStepKey(key) && IsPlainKey(event)) {
        emit Stepped(key);
        return true;
    }
    return false;
}

bool CInPlaceButtonEditImp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button && event->type() == QEvent::KeyPress &&
        ButtonKeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CInPlaceButtonEditImp::FieldFocusLost(const QFocusEvent& event) {
    if (!FocusLossEndsEdit(event) || !HasTyping()) return;
    // The list hiding the editor (another sheet shown) takes nothing.
    if (CPropertyListCtrl::IsHidingEditor(m_pList)) return;
    if (ReadyToTake() && HasTyping()) emit Taken();
}

void CInPlaceButtonEditImp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDecoration(painter);
}

void CInPlaceButtonEditImp::mousePressEvent(QMouseEvent* event) {
    // The button covers its place; a press that reaches the editor there was sent to it.
    if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint()))
        OpenDialog();
    QWidget::mousePressEvent(event);
}

}  // namespace vantoro
