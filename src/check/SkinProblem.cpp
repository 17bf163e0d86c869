#include "SkinProblem.h"

#include "SkinFields.h"

namespace vantoro {

std::string CSkinProblem::Where() const {
    if (const CSkinField* field = CSkinFields::Find(Element))
        return CSkinFields::Label(*field, ItemId);
    return CSkinFields::Label(Element);
}

std::string CSkinProblem::Format() const {
    return std::string(IsError() ? "error" : "warning") + ": " + Where() + ": " + File + ": " +
           Message;
}

}  // namespace vantoro
