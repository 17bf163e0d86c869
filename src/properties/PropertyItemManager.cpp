#include "PropertyItemManager.h"

#include "Data.h"

namespace vantoro {

void CPropertyItemManager::LoadItems(CData* element) {
    m_pElement = element;
}

void CPropertyItemManager::DrawElement(QPainter& painter) {
    if (m_pElement) m_pElement->DrawPreview(painter);
}

}  // namespace vantoro
