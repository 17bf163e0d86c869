#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "MyTypedPtrList.h"
#include "PropertyItemCategory.h"
#include "PropertyValue.h"
#include "SkinFields.h"

class QPainter;

namespace vantoro {

class CData;
class CPropertyExchange;
class IBitmapDrawer;
class IPropertyListHost;
class IPropertySheetObserver;

// Base of the element property sheets: the categories and rows of one element, copied
// from and to the element record they were last loaded from. Until the first load a
// sheet stores nothing and draws nothing.
class CPropertyItemManager {
public:
    virtual ~CPropertyItemManager() = default;

    // A row's edit was committed: the row goes back to the record's value, and the new
    // one, unless refused (the observer is told why), replaces it through the observer
    // (the history) or at once. True when the record took the value or already held it. On
    // a sheet never loaded nothing happens but what the row took.
    virtual bool OnItemChanged(CPropertyItem* item, IPropertyListHost* list, int index);
    // Why `value` may not go into `item`, as the observer judges it; empty when it may.
    std::string Refusal(const CPropertyItem& item, const CPropertyValue& value) const;
    // Record to rows; remembers the record.
    virtual bool LoadItems(CData* data);
    // Rows to record.
    virtual bool StoreItems(CData* data);
    // Draws the linked element's bitmaps for the preview through `drawer`; nothing when
    // unlinked.
    void DrawElement(QPainter& painter, IBitmapDrawer& drawer);

    CPropertyItemCategory* AddCategory(const std::string& label);
    // Puts the shown categories into the (empty) list from row 0, each expanded.
    void FillList(IPropertyListHost& list);

    // The value row numbered `itemId`, or null.
    CPropertyItem* FindItem(uint8_t itemId) const;
    // Puts `value` into row `itemId` and through the same store path as an edit (undo
    // and redo). False when there is no such row or no record.
    bool ApplyValue(uint8_t itemId, const CPropertyValue& value);

    void SetObserver(IPropertySheetObserver* observer) { m_pObserver = observer; }
    CData* Element() const { return m_pData; }

    CMyTypedPtrList<CPropertyItemCategory> m_listCategories;
    CData* m_pData = nullptr;

    // The element whose rows these are; none for a sheet of rows of its own.
    std::optional<CSkinElement> SkinElement() const { return m_element; }
    // The field row `itemId` edits; null when none.
    const CSkinField* FieldOf(uint8_t itemId) const;

protected:
    // The element's categories and rows, in row order, as the field table describes them.
    explicit CPropertyItemManager(CSkinElement element);
    // A sheet of no element, which builds its own rows.
    CPropertyItemManager() = default;
    CPropertyItemManager(const CPropertyItemManager&) = delete;
    CPropertyItemManager& operator=(const CPropertyItemManager&) = delete;

    // Appends a shown row of class `Item` to `category`, numbered and described.
    template <class Item>
    Item* AddItem(CPropertyItemCategory* category, const char* label, uint8_t itemId,
                  uint32_t helpId, bool refresh = false) {
        auto item = std::make_unique<Item>(label);
        item->SetShown(true);
        item->m_nItemId = itemId;
        item->SetRefreshView(refresh);
        item->m_nHelpId = helpId;
        return static_cast<Item*>(category->m_listItems.AddTail(std::move(item)));
    }
    CPropertyItemCategory* AddShownCategory(const std::string& label);

private:
    // Pairs each value row, shown or not, found by its number, with its record field as
    // the table says. Does nothing for a record of another kind.
    void ExchangeItems(CData& data, CPropertyExchange& exchange);

    std::optional<CSkinElement> m_element;
    IPropertySheetObserver* m_pObserver = nullptr;
};

}  // namespace vantoro
