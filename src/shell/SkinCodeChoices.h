#pragma once

#include <optional>

#include "ColourDepth.h"
#include "Resolution.h"

class QComboBox;

namespace vantoro {

// The dialogs' resolution and depth lists: the texts the grid shows, in its order, so a
// position in a list is the same choice everywhere.
class CSkinCodeChoices {
public:
    static void AddResolutions(QComboBox& box);
    static void AddDepths(QComboBox& box);
    // What the list's current position stands for; none when nothing is chosen.
    static std::optional<CResolution> Resolution(const QComboBox& box);
    static std::optional<CColourDepth> Depth(const QComboBox& box);
};

}  // namespace vantoro
