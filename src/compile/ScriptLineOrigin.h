#pragma once

#include <string>

namespace vantoro {

// Where one line of the resource script came from, so that what the compiler says about
// "_script.txt:7" can be told to the author as the field they typed it in.
struct CScriptLineOrigin {
    // The record and field ("TitleBar.Bmp"), or the record alone ("ToolBar") for a line
    // that several of its fields feed.
    std::string Key;
    // The bitmap name the line declares, as written; empty for other lines.
    std::string File;
};

}  // namespace vantoro
