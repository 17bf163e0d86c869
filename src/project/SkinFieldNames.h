#pragma once

#include <string>

namespace vantoro {

// The words a skin author knows a project field by: the element as the elements tree names
// it and the row as its property sheet names it, "Title Bar, Bitmap". Where one sheet has
// two rows of the same name, the row's category tells them apart: "Icons, Misc Icons,
// Bitmap File".
class CSkinFieldNames {
public:
    // `key` names a record and field as the checker and the script's line origins do
    // ("TitleBar.Bmp"), or a record alone ("ToolBar"), which gives the element's name.
    // A key of no known record comes back as it is.
    static std::string Label(const std::string& key);
};

}  // namespace vantoro
