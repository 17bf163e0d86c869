#pragma once

#include <string>

namespace vantoro {

class CPropertyItem;

// A row's value as the text it shows in the value column (empty for a category or a
// choice without text): what screen readers and automation read as the row's
// description.
std::string PropertyRowValueText(const CPropertyItem& item);

}  // namespace vantoro
