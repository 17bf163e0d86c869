#include "ScriptStatement.h"

namespace brres {

const char* ScriptStatement::Type() const {
    switch (kind) {
        case Kind::Bitmap:
            return "Tbmp";
        case Kind::Integer:
            return "tint";
        case Kind::String:
            return "tSTR";
        case Kind::WordList:
            return "wrdl";
    }
    return "????";
}

}  // namespace brres
