#pragma once

#include <QString>

namespace vantoro {

struct CBuildResult;

// The box that tells how a Build Skin run went. Its text stays a few lines long however
// many warnings or problems there are, so the box never grows past the screen: a long
// list is counted in the text and given whole in the box's Details, which scroll.
class CBuildMessage {
public:
    // Lists up to this many warnings or problems in the text itself.
    static constexpr int kListedInText = 3;

    explicit CBuildMessage(const CBuildResult& result);

    const QString& Text() const { return m_text; }
    // The lists that did not fit, then what the compiler printed.
    const QString& Details() const { return m_details; }

private:
    QString m_text;
    QString m_details;
};

}  // namespace vantoro
