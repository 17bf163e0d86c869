#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "Geometry.h"
#include "SkinFields.h"

namespace vantoro {

// A row's value taken out of the row, so that an edit can be undone and redone: text,
// integer or choice index, colour, or rectangle. Categories have none (monostate).
using CPropertyValue = std::variant<std::monostate, std::string, int32_t, COLORREF, CRect>;

// What row `itemId` of `field` shows of the field's value `value`: the whole of it, or one
// part of a point or size.
inline CPropertyValue RowValueOf(const CSkinField& field, uint8_t itemId,
                                 const CFieldValue& value) {
    const CFieldRow* row = field.Row(itemId);
    const bool y = row && row->Part == CFieldPart::Y;
    return std::visit(
        [&](const auto& v) -> CPropertyValue {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, CPoint>)
                return y ? v.y : v.x;
            else if constexpr (std::is_same_v<T, CSize>)
                return y ? v.cy : v.cx;
            else
                return v;
        },
        value);
}

// The field's value `current` with row `itemId`'s part replaced by `entered`; nothing when
// the entry is not of the row's type.
inline std::optional<CFieldValue> WithRowValue(const CSkinField& field, uint8_t itemId,
                                               CFieldValue current, const CPropertyValue& entered) {
    const CFieldRow* row = field.Row(itemId);
    const bool y = row && row->Part == CFieldPart::Y;
    const bool taken = std::visit(
        [&](auto& v) {
            using T = std::decay_t<decltype(v)>;
            const auto* part = std::get_if<int32_t>(&entered);
            if constexpr (std::is_same_v<T, CPoint>) {
                if (part) (y ? v.y : v.x) = *part;
                return part != nullptr;
            } else if constexpr (std::is_same_v<T, CSize>) {
                if (part) (y ? v.cy : v.cx) = *part;
                return part != nullptr;
            } else {
                const T* typed = std::get_if<T>(&entered);
                if (typed) v = *typed;
                return typed != nullptr;
            }
        },
        current);
    if (!taken) return std::nullopt;
    return current;
}

}  // namespace vantoro
