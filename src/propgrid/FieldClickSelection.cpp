#include "FieldClickSelection.h"

#include <QLineEdit>
#include <QMouseEvent>

#include "LineEditSelection.h"

namespace vantoro {

CFieldClickSelection::CFieldClickSelection(QLineEdit* field, std::function<bool()> typing)
    : QObject(field), m_pField(field), m_typing(std::move(typing)) {
    field->installEventFilter(this);
}

bool CFieldClickSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pField) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::FocusOut:
            m_bArmed = true;
            return false;
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton || !m_bArmed || m_typing()) return false;
            m_bArmed = false;
            m_pField->setFocus(Qt::MouseFocusReason);
            SelectAllShowingStart(*m_pField);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace vantoro
