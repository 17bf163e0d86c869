#include "EntryForm.h"

namespace vantoro {

const char* CEntryForm::FormOf(EEditorKind kind) {
    switch (kind) {
        case EEditorKind::Rect:
            return "x,y (width x height), for example 0,0 (160x16)";
        case EEditorKind::Colour:
            return "red,green,blue from 0 to 255 or #rrggbb, for example 255,0,0 or #ff0000";
        case EEditorKind::Integer:
            return "a whole number, for example 10";
        case EEditorKind::Choice:
            return "one of the choices in its list";
        case EEditorKind::File:
            return "a bitmap file name relative to the project folder, for example title.bmp";
        case EEditorKind::Text:
            break;
    }
    return "a line of text";
}

std::string CEntryForm::InvalidEntryText(EEditorKind kind, const std::string& rowName) {
    return (rowName.empty() ? std::string("This row") : rowName) + " takes " + FormOf(kind) + ".";
}

}  // namespace vantoro
