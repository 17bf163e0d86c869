#include "PropertyItemManager.h"

#include "Data.h"
#include "PropertyExchange.h"
#include "PropertyListHost.h"
#include "PropertySheetObserver.h"

namespace vantoro {

CPropertyItemCategory* CPropertyItemManager::AddCategory(const std::string& label) {
    return m_listCategories.AddTail(std::make_unique<CPropertyItemCategory>(label));
}

CPropertyItemCategory* CPropertyItemManager::AddShownCategory(const std::string& label) {
    CPropertyItemCategory* category = AddCategory(label);
    category->SetShown(true);
    return category;
}

void CPropertyItemManager::FillList(IPropertyListHost& list) {
    int index = 0;
    for (CPropertyItemCategory* category : m_listCategories) {
        if (!category->m_bShown) continue;
        list.InsertItem(index, category);
        list.ExpandCategory(index);
        index += 1 + (category->m_bExpanded ? category->CountShownItems() : 0);
    }
}

bool CPropertyItemManager::LoadItems(CData* data) {
    if (!data) return true;
    CPropertyExchange exchange(CPropertyExchange::Direction::Load);
    ExchangeItems(*data, exchange);
    m_pData = data;
    return true;
}

bool CPropertyItemManager::StoreItems(CData* data) {
    if (!data) return true;
    CPropertyExchange exchange(CPropertyExchange::Direction::Store);
    ExchangeItems(*data, exchange);
    return true;
}

void CPropertyItemManager::OnItemChanged(CPropertyItem* item, IPropertyListHost*, int) {
    if (!m_pData || !item) return;
    // The record still holds the value the edit replaces: the history needs it.
    CPropertyExchange peek(CPropertyExchange::Direction::Peek, item);
    ExchangeItems(*m_pData, peek);
    StoreItems(m_pData);
    if (!m_pObserver) return;
    if (item->GetRefreshView()) m_pObserver->OnRefreshView();
    const CPropertyValue after = item->GetValue();
    if (!std::holds_alternative<std::monostate>(peek.Peeked()) && peek.Peeked() != after)
        m_pObserver->OnValueCommitted(*this, *item, peek.Peeked(), after);
}

bool CPropertyItemManager::ApplyValue(uint8_t itemId, const CPropertyValue& value) {
    CPropertyItem* item = FindItem(itemId);
    if (!item || !m_pData) return false;
    item->SetValue(value);
    StoreItems(m_pData);
    // The rows show what the record now holds, derived fields included.
    LoadItems(m_pData);
    if (m_pObserver && item->GetRefreshView()) m_pObserver->OnRefreshView();
    return true;
}

CPropertyItem* CPropertyItemManager::FindItem(uint8_t itemId) const {
    for (CPropertyItemCategory* category : m_listCategories)
        for (CPropertyItem* item : category->m_listItems)
            if (item->m_nItemId == itemId) return item;
    return nullptr;
}

void CPropertyItemManager::DrawElement(QPainter& painter) {
    if (m_pData) m_pData->DrawPreview(painter);
}

}  // namespace vantoro
