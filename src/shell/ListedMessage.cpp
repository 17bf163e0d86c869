#include "ListedMessage.h"

namespace vantoro {

void CListedMessage::AddList(const QString& heading, const QStringList& lines,
                             const QString& counted) {
    if (lines.size() > kListedInText) {
        m_text += QStringLiteral("\n\n") + counted.arg(lines.size());
        m_details = heading + u'\n' + lines.join(u'\n');
    } else if (!lines.isEmpty()) {
        m_text += QStringLiteral("\n\n") + heading + u'\n' + lines.join(u'\n');
    }
}

}  // namespace vantoro
