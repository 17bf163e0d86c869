#include "BuildResult.h"

namespace vantoro {

std::string CBuildResult::Message() const {
    if (Success) {
        std::string text = "Skin file created successfully.\n[" + DatabasePath + "]";
        if (!Warnings.empty()) {
            text += "\n\nWarnings:";
            for (const std::string& warning : Warnings) text += "\n" + warning;
        }
        return text;
    }
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
