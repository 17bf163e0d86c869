#include "InPlaceButtonEditImp.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "GridMessageBox.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMessages.h"
#include "InPlaceMetrics.h"
#include "LineEditSelection.h"
#include "PropertyListCtrl.h"

namespace vantoro {

CInPlaceButtonEditImp::CInPlaceButtonEditImp(QWidget* parent, QWidget* list,
                                             QEvent::Type enterMessage)
    : QWidget(parent),
      m_enterMessage(enterMessage),
      m_edit(new CInPlaceButtonEditBoxImp(this, list, enterMessage)),
      m_pList(list) {
    if (list) setFont(list->font());
    setFocusProxy(m_edit);
}

QRect CInPlaceButtonEditImp::ButtonRect() const {
    const int w = InPlaceButtonWidth();
    return QRect(width() - w, 0, w, height());
}

void CInPlaceButtonEditImp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_edit->setGeometry(EditRect(size()));
}

void CInPlaceButtonEditImp::MoveEditor(const QRect& cell) {
    setGeometry(cell);
    if (isHidden()) show();
}

void CInPlaceButtonEditImp::FocusEdit() {
    SelectAllShowingStart(*m_edit);
    m_edit->setFocus(Qt::OtherFocusReason);
}

void CInPlaceButtonEditImp::ShowValueText() {
    m_edit->setText(ValueText());
    m_edit->setCursorPosition(0);
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
    ShowValueText();
    SelectAllShowingStart(*m_edit);
}

int CInPlaceButtonEditImp::ApplyTypedText() {
    switch (ReadTypedText(false)) {
        case ETypedValue::Empty:
            return 0;
        case ETypedValue::Invalid:
            RejectTypedText();
            return 0;
        case ETypedValue::Valid:
            break;
    }
    const CPropertyValue held = HeldValue();
    const QString typed = m_edit->text();
    ReadTypedText(true);
    if (!NotifyApply()) {
        // Refused by the rules, which said why: the value stays, and the text for mending.
        HoldValue(held);
        m_edit->setText(typed);
        update();
        return 0;
    }
    ShowValueText();
    update();
    return 1;
}

bool CInPlaceButtonEditImp::CommitPendingText() {
    if (!m_edit->isModified() || m_edit->text() == ValueText()) return false;
    // A command must not stop to complain about half-typed text: only a valid one goes in.
    if (ReadTypedText(false) != ETypedValue::Valid) return false;
    return ApplyTypedText() == 1;
}

bool CInPlaceButtonEditImp::event(QEvent* event) {
    if (event->type() == m_enterMessage) {
        static_cast<CInPlaceEvent*>(event)->SetResult(ApplyTypedText());
        return true;
    }
    return QWidget::event(event);
}

void CInPlaceButtonEditImp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDecoration(painter);
    const QRect button = ButtonRect();
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = button;
    option.state |= m_bButtonDown ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    // Three 2 x 2 dots, one pixel lower while the button is down.
    const int x = button.left() + (button.width() - 10) / 2;
    const int y = button.top() + button.height() - (m_bButtonDown ? 5 : 6);
    for (int i = 0; i < 3; ++i) painter.fillRect(QRect(x + 4 * i, y, 2, 2), palette().buttonText());
}

void CInPlaceButtonEditImp::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint())) {
        m_bButtonDown = true;
        repaint(ButtonRect());
        const bool accepted = RunDialog();
        m_bButtonDown = false;
        if (accepted) {
            ShowValueText();
            NotifyApply();
        }
        update();
    }
    QWidget::mousePressEvent(event);
}

}  // namespace vantoro
