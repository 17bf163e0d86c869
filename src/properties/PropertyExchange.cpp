#include "PropertyExchange.h"

#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"

namespace vantoro {

template <class Item, class Member, class Field>
void CPropertyExchange::Exchange(CPropertyItem* item, Member Item::*member, Field& field) {
    auto* row = dynamic_cast<Item*>(item);
    if (!row) return;
    switch (m_direction) {
        case Direction::Load:
            row->*member = Member(field);
            break;
        case Direction::Store:
            field = Field(row->*member);
            break;
        case Direction::Peek:
            if (item == m_pTarget) m_peeked = Member(field);
            break;
    }
}

void CPropertyExchange::Text(CPropertyItem* item, std::string& field) {
    Exchange(item, &CPropertyItemString::m_strValue, field);
}

void CPropertyExchange::Int(CPropertyItem* item, int& field) {
    Exchange(item, &CPropertyItemInt::m_nValue, field);
}

void CPropertyExchange::Choice(CPropertyItem* item, int& field) {
    Exchange(item, &CPropertyItemList::m_nSelected, field);
}

void CPropertyExchange::Color(CPropertyItem* item, COLORREF& field) {
    Exchange(item, &CPropertyItemColorRef::m_crValue, field);
}

void CPropertyExchange::Rect(CPropertyItem* item, CRect& field) {
    Exchange(item, &CPropertyItemRect::m_rcValue, field);
}

}  // namespace vantoro
