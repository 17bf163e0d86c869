#pragma once

#include <string>

#include "Geometry.h"
#include "PropertyValue.h"

namespace vantoro {

class CPropertyItem;

// One pass of a sheet over its rows, copying between each row and its record field:
// record to row (load), row to record (store), or only reading the record field of one
// row (the value an edit replaces). A missing row, or one of another class than the
// field asks for, is left alone.
class CPropertyExchange {
public:
    enum class Direction { Load, Store, Peek };

    explicit CPropertyExchange(Direction direction, const CPropertyItem* target = nullptr)
        : m_direction(direction), m_pTarget(target) {}

    void Text(CPropertyItem* item, std::string& field);
    void Int(CPropertyItem* item, int& field);
    void Choice(CPropertyItem* item, int& field);
    void Color(CPropertyItem* item, COLORREF& field);
    void Rect(CPropertyItem* item, CRect& field);

    bool Loading() const { return m_direction == Direction::Load; }
    // What a Peek found for its row; monostate when the sheet has no field for it.
    const CPropertyValue& Peeked() const { return m_peeked; }

private:
    template <class Item, class Member, class Field>
    void Exchange(CPropertyItem* item, Member Item::*member, Field& field);

    Direction m_direction;
    const CPropertyItem* m_pTarget;
    CPropertyValue m_peeked;
};

}  // namespace vantoro
