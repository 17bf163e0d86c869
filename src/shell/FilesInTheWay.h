#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace vantoro {

// A refusal to write over files that are there already. A new skin brings a score of
// files, and a box naming each by its full path grows past the screen: the box says how
// many and in which folder, and its Details name them, however many there are.
class CFilesInTheWay {
public:
    // The box's text for `count` files in `folder`, `headline` above it; `what` names the
    // project that was to be written.
    static QString Text(const QString& headline, int count, const QString& folder,
                        const QString& what = QStringLiteral("The new skin"));
    // Shows the refusal; false (nothing shown) when fewer than two files were in the way,
    // which the refusal's own message names briefly enough.
    static bool Show(QWidget* parent, const QString& headline,
                     const std::vector<std::string>& names, const std::string& folder,
                     const QString& what = QStringLiteral("The new skin"));
};

}  // namespace vantoro
