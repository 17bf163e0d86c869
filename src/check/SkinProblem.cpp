#include "SkinProblem.h"

namespace vantoro {

std::string CSkinProblem::Format() const {
    return std::string(IsError() ? "error" : "warning") + ": " + Element + ": " + File + ": " +
           Message;
}

}  // namespace vantoro
