#pragma once

namespace vantoro {

// W: the width of the editors' buttons and the height of one pop-up list row, the
// style's scroll bar extent (at least 16), read once.
int InPlaceButtonWidth();

}  // namespace vantoro
