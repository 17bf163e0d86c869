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
    AddList(QStringLiteral("Not carried over exactly:"), lines,
            QStringLiteral("%1 things were not carried over exactly: Show Details... lists them."));
    m_text += QStringLiteral("\n\nOpen the variant now?");
}

}  // namespace vantoro
