#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "Geometry.h"

namespace vantoro {

// A row's value taken out of the row, so that an edit can be undone and redone: text,
// integer or choice index, colour, or rectangle. Categories have none (monostate).
using CPropertyValue = std::variant<std::monostate, std::string, int32_t, COLORREF, CRect>;

}  // namespace vantoro
