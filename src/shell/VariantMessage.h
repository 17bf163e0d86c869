#pragma once

#include <QString>

namespace vantoro {

struct CVariantResult;

// The box that tells where a skin variant went, what could not be carried over exactly,
// and asks whether to open it. Like the build's box it stays a few lines long: a long list
// of warnings is counted in the text and given whole in the Details, which scroll.
class CVariantMessage {
public:
    // Lists up to this many warnings in the text itself.
    static constexpr int kListedInText = 3;

    explicit CVariantMessage(const CVariantResult& result);

    const QString& Text() const { return m_text; }
    const QString& Details() const { return m_details; }

private:
    QString m_text;
    QString m_details;
};

}  // namespace vantoro
