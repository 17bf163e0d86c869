#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MyTypedPtrList.h"
#include "PropertyItemCategory.h"
#include "PropertyValue.h"
#include "SkinFields.h"

class QPainter;

namespace vantoro {

class CData;
class IBitmapDrawer;
class IPropertyListHost;
class IPropertySheetJudge;

// Base of the element property sheets: the categories and rows of one element, copied
// from and to the element record they were last loaded from. Until the first load a
// sheet stores nothing and draws nothing.
class CPropertyItemManager {
public:
    virtual ~CPropertyItemManager() = default;

    // Why `value` may not go into `item`, as the judge sees it; empty when it may (or
    // when nothing judges this sheet).
    std::string Refusal(const CPropertyItem& item, const CPropertyValue& value) const;
    // The change that entering `value` in row `itemId` asks for: the row's field with the
    // value the record would then hold (a point's other part kept). Nothing for a row of
    // no field, a sheet never loaded, or a value of another type than the row's.
    std::optional<CFieldChange> ChangeFor(uint8_t itemId, const CPropertyValue& value) const;
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
    void SetJudge(const IPropertySheetJudge* judge) { m_pJudge = judge; }
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
    struct CRowOfField {
        const CSkinField* Field;
        uint8_t ItemId;
    };
    // Every row of `data`'s fields, shown or not, as the table numbers them; none for a
    // record of another kind.
    std::vector<CRowOfField> RowsOf(const CData& data) const;

    std::optional<CSkinElement> m_element;
    const IPropertySheetJudge* m_pJudge = nullptr;
};

}  // namespace vantoro
