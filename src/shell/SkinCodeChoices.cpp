#include "SkinCodeChoices.h"

#include <QComboBox>

namespace vantoro {

void CSkinCodeChoices::AddResolutions(QComboBox& box) {
    for (const CResolution& reso : CResolution::All())
        box.addItem(QString::fromLatin1(reso.Name()));
}

void CSkinCodeChoices::AddDepths(QComboBox& box) {
    for (const CColourDepth& depth : CColourDepth::All())
        box.addItem(QString::fromLatin1(depth.Name()));
}

std::optional<CResolution> CSkinCodeChoices::Resolution(const QComboBox& box) {
    return CResolution::FromIndex(box.currentIndex());
}

std::optional<CColourDepth> CSkinCodeChoices::Depth(const QComboBox& box) {
    return CColourDepth::FromIndex(box.currentIndex());
}

}  // namespace vantoro
