#include "InPlaceMessages.h"

#include <QCoreApplication>

namespace vantoro {

int CInPlaceEvent::Send(QObject* target, QEvent::Type type, int wParam, int lParam) {
    if (!target) return 0;
    CInPlaceEvent event(type, wParam, lParam);
    QCoreApplication::sendEvent(target, &event);
    return event.Result();
}

void CInPlaceEvent::Post(QObject* target, QEvent::Type type) {
    if (target) QCoreApplication::postEvent(target, new CInPlaceEvent(type));
}

}  // namespace vantoro
