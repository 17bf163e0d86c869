#include "StatusIndicators.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include "CommandIds.h"
#include "KeyLockState.h"
#include "StringTable.h"

namespace vantoro {

CStatusIndicators::CStatusIndicators(QStatusBar* bar) : QObject(bar) {
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_pMessagePane = new QLabel(CStringTable::Load(AFX_IDS_IDLEMESSAGE), bar);
    m_pMessagePane->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(m_pMessagePane, 1);
    for (const char* text : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(text), bar);
        pane->setObjectName(QString::fromLatin1(text));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(pane);
        m_indicators.append(pane);
    }
    Update();
    if (CKeyLockState::IsKnown()) qApp->installEventFilter(this);
}

CStatusIndicators::~CStatusIndicators() {
    if (CKeyLockState::IsKnown()) qApp->removeEventFilter(this);
}

void CStatusIndicators::Update() {
    const CKeyLockState::Key keys[] = {CKeyLockState::Key::CapsLock, CKeyLockState::Key::NumLock,
                                       CKeyLockState::Key::ScrollLock};
    for (int i = 0; i < m_indicators.size(); ++i)
        m_indicators[i]->setEnabled(CKeyLockState::IsKnown() && CKeyLockState::IsOn(keys[i]));
}

bool CStatusIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate)
        Update();
    return QObject::eventFilter(watched, event);
}

}  // namespace vantoro
