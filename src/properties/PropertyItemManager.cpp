#include "PropertyItemManager.h"

#include <algorithm>
#include <vector>

#include "Data.h"
#include "PropertyExchange.h"
#include "PropertyItemBitmap.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemListDepth.h"
#include "PropertyItemListReso.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyListHost.h"
#include "PropertySheetObserver.h"
#include "TextCodec.h"

namespace vantoro {
namespace {

std::unique_ptr<CPropertyItem> MakeRow(CFieldKind kind, const char* label) {
    switch (kind) {
        case CFieldKind::Text:
            return std::make_unique<CPropertyItemString>(label);
        case CFieldKind::Bitmap:
            return std::make_unique<CPropertyItemBitmap>(label);
        case CFieldKind::Integer:
        case CFieldKind::Point:
        case CFieldKind::Size:
            return std::make_unique<CPropertyItemInt>(label);
        case CFieldKind::Colour:
            return std::make_unique<CPropertyItemColorRef>(label);
        case CFieldKind::Rect:
            return std::make_unique<CPropertyItemRect>(label);
        case CFieldKind::ResoChoice:
            return std::make_unique<CPropertyItemListReso>(label);
        case CFieldKind::DepthChoice:
            break;
    }
    return std::make_unique<CPropertyItemListDepth>(label);
}

}  // namespace

CPropertyItemManager::CPropertyItemManager(CSkinElement element) : m_element(element) {
    struct CPlacedRow {
        const CSkinField* Field;
        const CFieldRow* Row;
    };
    std::vector<CPlacedRow> rows;
    for (const CSkinField* field : CSkinFields::Of(element))
        for (const CFieldRow& row : field->Rows)
            if (row.ItemId) rows.push_back({field, &row});
    std::sort(rows.begin(), rows.end(), [](const CPlacedRow& a, const CPlacedRow& b) {
        return a.Row->ItemId < b.Row->ItemId;
    });
    CPropertyItemCategory* category = nullptr;
    for (const CPlacedRow& placed : rows) {
        if (!category || category->m_strLabel != placed.Row->Category)
            category = AddShownCategory(placed.Row->Category);
        std::unique_ptr<CPropertyItem> item = MakeRow(placed.Field->Kind, placed.Row->Label);
        item->SetShown(true);
        item->m_nItemId = placed.Row->ItemId;
        item->SetRefreshView(placed.Row->Refresh);
        item->m_nHelpId = placed.Row->HelpId;
        category->m_listItems.AddTail(std::move(item));
    }
}

CPropertyItemCategory* CPropertyItemManager::AddCategory(const std::string& label) {
    return m_listCategories.AddTail(std::make_unique<CPropertyItemCategory>(label));
}

CPropertyItemCategory* CPropertyItemManager::AddShownCategory(const std::string& label) {
    CPropertyItemCategory* category = AddCategory(label);
    category->SetShown(true);
    return category;
}

const CSkinField* CPropertyItemManager::FieldOf(uint8_t itemId) const {
    return m_element ? CSkinFields::FindByRow(*m_element, itemId) : nullptr;
}

void CPropertyItemManager::ExchangeItems(CData& data, CPropertyExchange& exchange) {
    if (!m_element || data.Element() != *m_element) return;
    for (const CSkinField* field : CSkinFields::Of(*m_element)) {
        for (const CFieldRow& row : field->Rows) {
            if (!row.ItemId) continue;
            CPropertyItem* item = FindItem(row.ItemId);
            const bool x = row.Part != CFieldPart::Y;
            const bool choice =
                field->Kind == CFieldKind::ResoChoice || field->Kind == CFieldKind::DepthChoice;
            std::visit(
                [&](auto* value) {
                    using T = std::remove_pointer_t<decltype(value)>;
                    if constexpr (std::is_same_v<T, std::string>)
                        exchange.Text(item, *value);
                    else if constexpr (std::is_same_v<T, int32_t>)
                        choice ? exchange.Choice(item, *value) : exchange.Int(item, *value);
                    else if constexpr (std::is_same_v<T, COLORREF>)
                        exchange.Color(item, *value);
                    else if constexpr (std::is_same_v<T, CRect>)
                        exchange.Rect(item, *value);
                    else if constexpr (std::is_same_v<T, CPoint>)
                        exchange.Int(item, x ? value->x : value->y);
                    else
                        exchange.Int(item, x ? value->cx : value->cy);
                },
                data.Field(*field));
        }
    }
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

bool CPropertyItemManager::OnItemChanged(CPropertyItem* item, IPropertyListHost*, int) {
    if (!item) return false;
    // A sheet of no record: the row is all there is, and it took the value.
    if (!m_pData) return true;
    // The record still holds the value the edit replaces.
    CPropertyExchange peek(CPropertyExchange::Direction::Peek, item);
    ExchangeItems(*m_pData, peek);
    const CPropertyValue before = peek.Peeked(), after = item->GetValue();
    if (std::holds_alternative<std::monostate>(before)) return false;
    if (before == after) return true;
    // The row shows the record's value until the change is made: by the history, which
    // can undo it, or here when nothing observes the sheet.
    item->SetValue(before);
    if (const std::string refusal = Refusal(*item, after); !refusal.empty()) {
        m_pObserver->OnRefused(*this, *item, refusal);
        return false;
    }
    if (m_pObserver) return m_pObserver->OnValueCommitted(*this, *item, before, after);
    return ApplyValue(item->m_nItemId, after);
}

std::string CPropertyItemManager::Refusal(const CPropertyItem& item,
                                          const CPropertyValue& value) const {
    return m_pObserver ? m_pObserver->Refusal(*this, item, value) : std::string();
}

bool CPropertyItemManager::ApplyValue(uint8_t itemId, const CPropertyValue& value) {
    CPropertyItem* item = FindItem(itemId);
    if (!item || !m_pData) return false;
    item->SetValue(value);
    StoreItems(m_pData);
    // The rows show what the record now holds, derived fields included.
    LoadItems(m_pData);
    // The preview draws the files the bitmap rows name: a new name is a new picture.
    const CSkinField* field = FieldOf(itemId);
    const bool bitmap = field && field->Kind == CFieldKind::Bitmap;
    if (m_pObserver && (item->GetRefreshView() || bitmap)) m_pObserver->OnRefreshView();
    return true;
}

CPropertyItem* CPropertyItemManager::FindItem(uint8_t itemId) const {
    for (CPropertyItemCategory* category : m_listCategories)
        for (CPropertyItem* item : category->m_listItems)
            if (item->m_nItemId == itemId) return item;
    return nullptr;
}

void CPropertyItemManager::DrawElement(QPainter& painter, IBitmapDrawer& drawer) {
    if (m_pData) m_pData->DrawPreview(painter, drawer);
}

}  // namespace vantoro
