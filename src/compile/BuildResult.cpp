#include "BuildResult.h"

namespace vantoro {

std::string CBuildResult::Message() const {
    if (Success) return "Skin file created successfully.\n[" + DatabasePath + "]";
    std::string text = "Unable to build the skin.";
    if (!Reason.empty()) text += "\n\n" + Reason;
    return text;
}

std::string CBuildResult::Details() const {
    std::string output = LibraryOutput;
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    return output;
}

}  // namespace vantoro
