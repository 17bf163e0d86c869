#pragma once

#include <string>

#include "InPlaceEditor.h"

namespace vantoro {

// The form a row of each editor kind takes, said to the user when what was typed reads as
// no value of that kind: which row, how its value is written, and one to copy.
class CEntryForm {
public:
    // "Location takes x,y (width x height), for example 0,0 (160x16)."; a row without a
    // name is "This row".
    static std::string InvalidEntryText(EEditorKind kind, const std::string& rowName);
    // The form alone: "x,y (width x height), for example 0,0 (160x16)".
    static const char* FormOf(EEditorKind kind);
};

}  // namespace vantoro
