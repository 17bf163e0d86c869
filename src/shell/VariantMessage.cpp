#include "VariantMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "PathString.h"
#include "SkinDeriver.h"
#include "TextCodec.h"

namespace vantoro {

CVariantMessage::CVariantMessage(const CVariantResult& result) {
    QStringList lines;
    // Named as the check names a finding: "Title Bar, Location: ...".
    for (const CVariantWarning& warning : result.Warnings) {
        QString where = PathToQString(warning.Element);
        if (!warning.Field.empty()) where += QStringLiteral(", ") + PathToQString(warning.Field);
        lines.append(where + QStringLiteral(": ") + PathToQString(warning.Text));
    }
    const QString folder = QDir::toNativeSeparators(
        QFileInfo(PathToQString(PathString(result.ProjectPath))).absolutePath());
    m_text = QStringLiteral("The skin variant was saved in\n%1").arg(folder);
    const QString heading = QStringLiteral("Not carried over exactly:");
    if (lines.size() > kListedInText) {
        m_text += QStringLiteral(
                      "\n\n%1 things were not carried over exactly: Show Details... "
                      "lists them.")
                      .arg(lines.size());
        m_details = heading + u'\n' + lines.join(u'\n');
    } else if (!lines.isEmpty()) {
        m_text += QStringLiteral("\n\n") + heading + u'\n' + lines.join(u'\n');
    }
    m_text += QStringLiteral("\n\nOpen the variant now?");
}

}  // namespace vantoro
