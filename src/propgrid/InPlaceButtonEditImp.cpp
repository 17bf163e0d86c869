#include "InPlaceButtonEditImp.h"

#include <QMouseEvent>
#include <QPainter>

#include "GridMessageBox.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceDotsButton.h"
#include "InPlaceKeys.h"
#include "InPlaceMessages.h"
#include "InPlaceMetrics.h"
#include "LineEditSelection.h"
#include "PropertyListCtrl.h"

namespace vantoro {

CInPlaceButtonEditImp::CInPlaceButtonEditImp(QWidget* parent, QWidget* list,
                                             QEvent::Type enterMessage, const QString& buttonName)
    : QWidget(parent),
      m_enterMessage(enterMessage),
      m_edit(new CInPlaceButtonEditBoxImp(this)),
      m_button(new CInPlaceDotsButton(buttonName, this)),
      m_pList(list) {
    if (list) setFont(list->font());
    setFocusProxy(m_edit);
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

void CInPlaceButtonEditImp::MoveEditor(const QRect& cell) {
    setGeometry(cell);
    if (isHidden()) show();
}

void CInPlaceButtonEditImp::FocusEdit() {
    SelectAllShowingStart(*m_edit);
    if (CPropertyListCtrl::EditorMayTakeFocus(m_pList)) m_edit->setFocus(Qt::OtherFocusReason);
}

void CInPlaceButtonEditImp::SetRowName(const QString& name) {
    m_strRowName = name;
    m_button->setAccessibleDescription(name);
}

void CInPlaceButtonEditImp::ShowValueText() {
    m_edit->setText(ValueText());
    m_edit->setCursorPosition(0);
    OnValueShown();
}

bool CInPlaceButtonEditImp::HasTypedText() const {
    return m_edit->isModified() && m_edit->text() != ValueText();
}

bool CInPlaceButtonEditImp::NotifyApply() {
    return CInPlaceEvent::Send(m_pList, WM_INPLACE_APPLY) != 0;
}

QString CInPlaceButtonEditImp::Refusal(const CPropertyValue& value) const {
    auto* list = qobject_cast<CPropertyListCtrl*>(m_pList.data());
    return list ? list->Refusal(value) : QString();
}

void CInPlaceButtonEditImp::RejectTypedText() {
    CGridMessageBox::Show(this, QString::fromLatin1(kInvalidEntryText),
                          QString::fromLatin1(kInvalidEntryCaption));
    SelectAllShowingStart(*m_edit);
    if (auto* list = qobject_cast<CPropertyListCtrl*>(m_pList.data())) list->KeepRefusedText();
}

CInPlaceButtonEditImp::EApplied CInPlaceButtonEditImp::ApplyTypedText() {
    switch (ReadTypedText(false)) {
        case ETypedValue::Empty:
            ShowValueText();
            return EApplied::Nothing;
        case ETypedValue::Invalid:
            RejectTypedText();
            return EApplied::Refused;
        case ETypedValue::Valid:
            break;
    }
    const CPropertyValue held = HeldValue();
    ReadTypedText(true);
    if (!NotifyApply()) {
        // Refused by the rules, which said why: the value stays, the text for mending.
        HoldValue(held);
        update();
        return EApplied::Refused;
    }
    ShowValueText();
    update();
    return EApplied::Committed;
}

bool CInPlaceButtonEditImp::CommitPendingText() {
    if (!HasTypedText()) return false;
    // A command must not stop to complain about half-typed text: only a valid one goes in.
    if (ReadTypedText(false) != ETypedValue::Valid) return false;
    return ApplyTypedText() == EApplied::Committed;
}

bool CInPlaceButtonEditImp::OpenDialog() {
    if (m_bButtonDown) return false;
    m_bButtonDown = true;
    m_button->setDown(true);
    m_button->repaint();
    const CPropertyValue held = HeldValue();
    const bool accepted = RunDialog();
    m_bButtonDown = false;
    m_button->setDown(false);
    bool committed = false;
    if (accepted) {
        committed = NotifyApply();
        if (!committed) HoldValue(held);
        ShowValueText();
    }
    update();
    return committed;
}

bool CInPlaceButtonEditImp::FieldKeyPress(const QKeyEvent& event) {
    const int key = event.key();
    if (IsDialogKey(&event)) {
        OpenDialog();
        return true;
    }
    if (IsEnterKey(key)) {
        if (ApplyTypedText() != EApplied::Refused) HandFocusBack(m_pList);
        return true;
    }
    if (key == Qt::Key_Tab) {
        // The focus loss takes what was typed; the button is next.
        m_button->setFocus(Qt::TabFocusReason);
        return true;
    }
    return RouteFieldKey(m_pList, event);
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
        CInPlaceEvent::Send(m_pList, WM_INPLACE_MOVE, key);
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
    if (!FocusLossEndsEdit(event) || !HasTypedText()) return;
    // The list hiding the editor (another sheet shown) takes nothing.
    if (CPropertyListCtrl::IsHidingEditor(m_pList)) return;
    ApplyTypedText();
}

bool CInPlaceButtonEditImp::event(QEvent* event) {
    if (event->type() == m_enterMessage) {
        static_cast<CInPlaceEvent*>(event)->SetResult(ApplyTypedText() == EApplied::Committed);
        return true;
    }
    return QWidget::event(event);
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
