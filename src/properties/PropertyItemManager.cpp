#include "PropertyItemManager.h"

#include <algorithm>
#include <vector>

#include "Data.h"
#include "PropertyItemBitmap.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemListDepth.h"
#include "PropertyItemListReso.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyListHost.h"
#include "PropertySheetJudge.h"
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
    for (const CRowOfField& row : RowsOf(*data)) {
        if (CPropertyItem* item = FindItem(row.ItemId))
            item->SetValue(RowValueOf(*row.Field, row.ItemId, data->Get(*row.Field)));
    }
    m_pData = data;
    return true;
}

bool CPropertyItemManager::StoreItems(CData* data) {
    if (!data) return true;
    for (const CRowOfField& row : RowsOf(*data)) {
        const CPropertyItem* item = FindItem(row.ItemId);
        if (!item) continue;
        if (const std::optional<CFieldValue> value =
                WithRowValue(*row.Field, row.ItemId, data->Get(*row.Field), item->GetValue()))
            data->Set(*row.Field, *value);
    }
    return true;
}

std::vector<CPropertyItemManager::CRowOfField> CPropertyItemManager::RowsOf(
    const CData& data) const {
    std::vector<CRowOfField> rows;
    if (!m_element || data.Element() != *m_element) return rows;
    for (const CSkinField* field : CSkinFields::Of(*m_element))
        for (const CFieldRow& row : field->Rows)
            if (row.ItemId) rows.push_back({field, row.ItemId});
    return rows;
}

std::string CPropertyItemManager::Refusal(const CPropertyItem& item,
                                          const CPropertyValue& value) const {
    return m_pJudge ? m_pJudge->Refusal(*this, item, value) : std::string();
}

std::optional<CFieldChange> CPropertyItemManager::ChangeFor(uint8_t itemId,
                                                            const CPropertyValue& value) const {
    const CSkinField* field = FieldOf(itemId);
    if (!field || !m_pData) return std::nullopt;
    std::optional<CFieldValue> changed = WithRowValue(*field, itemId, m_pData->Get(*field), value);
    if (!changed) return std::nullopt;
    return CFieldChange{field, std::move(*changed)};
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
