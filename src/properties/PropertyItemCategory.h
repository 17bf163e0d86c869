#pragma once

#include "MyTypedPtrList.h"
#include "PropertyItem.h"

namespace vantoro {

// A category row: groups and owns the value rows under it. It draws no value and has
// no editor.
class CPropertyItemCategory : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;

    const char* ClassName() const override { return "CPropertyItemCategory"; }
    bool IsCategory() const override { return true; }

    // The child rows whose m_bShown is set: what the list removes when it collapses.
    int CountShownItems() const;

    CMyTypedPtrList<CPropertyItem> m_listItems;
    bool m_bExpanded = false;
};

}  // namespace vantoro
