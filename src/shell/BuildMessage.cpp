#include "BuildMessage.h"

#include <QStringList>

#include "BuildResult.h"
#include "TextCodec.h"

namespace vantoro {

CBuildMessage::CBuildMessage(const CBuildResult& result) {
    QStringList lines;
    if (result.Success) {
        for (const std::string& warning : result.Warnings) lines.append(PathToQString(warning));
    } else if (!result.Reason.empty()) {
        lines = PathToQString(result.Reason).split(u'\n', Qt::SkipEmptyParts);
    }
    const QString heading =
        result.Success ? QStringLiteral("Warnings:") : QStringLiteral("Problems:");
    // A failure lists one line more: a count in its place would not shorten the text.
    const bool whole = lines.size() <= kListedInText + (result.Success ? 0 : 1);

    m_text = result.Success ? QStringLiteral("Skin file created successfully.\n[%1]")
                                  .arg(PathToQString(result.DatabasePath))
                            : QStringLiteral("Unable to build the skin.");
    if (whole) {
        if (!lines.isEmpty())
            m_text += QStringLiteral("\n\n") + (result.Success ? heading + u'\n' + lines.join(u'\n')
                                                               : PathToQString(result.Reason));
    } else if (result.Success) {
        m_text += QStringLiteral("\n\n%1 warnings: Show Details... lists them.").arg(lines.size());
    } else {
        m_text += QStringLiteral("\n\n") + lines.mid(0, kListedInText).join(u'\n') +
                  QStringLiteral("\n\nand %1 more problems: Show Details... lists them all.")
                      .arg(lines.size() - kListedInText);
    }

    if (!whole) m_details = heading + u'\n' + lines.join(u'\n');
    if (const QString output = PathToQString(result.Details()); !output.isEmpty())
        m_details +=
            m_details.isEmpty() ? output : QStringLiteral("\n\nThe compiler's output:\n") + output;
}

}  // namespace vantoro
