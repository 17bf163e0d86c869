#include "PropertyItemCategory.h"

namespace vantoro {

int CPropertyItemCategory::CountShownItems() const {
    int count = 0;
    for (const CPropertyItem* item : m_listItems)
        if (item->m_bShown) ++count;
    return count;
}

}  // namespace vantoro
