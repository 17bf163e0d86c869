#include "BuildMessage.h"

#include <QStringList>

#include "BuildResult.h"
#include "TextCodec.h"

namespace vantoro {

CBuildMessage::CBuildMessage(const CBuildResult& result) {
    if (result.Success) {
        QStringList warnings;
        for (const std::string& warning : result.Warnings)
            warnings.append(MessageToQString(warning));
        m_text = QStringLiteral("Skin file created successfully.\n[%1]")
                     .arg(PathToQString(result.DatabasePath));
        AddList(QStringLiteral("Warnings:"), warnings,
                QStringLiteral("%1 warnings: Show Details... lists them."));
    } else {
        const QStringList problems =
            MessageToQString(result.Reason).split(u'\n', Qt::SkipEmptyParts);
        m_text = QStringLiteral("Unable to build the skin.");
        // A failure lists one line more: a count in its place would not shorten the text.
        if (problems.size() <= kListedInText + 1) {
            if (!problems.isEmpty())
                m_text += QStringLiteral("\n\n") + MessageToQString(result.Reason);
        } else {
            m_text += QStringLiteral("\n\n") + problems.mid(0, kListedInText).join(u'\n') +
                      QStringLiteral("\n\nand %1 more problems: Show Details... lists them all.")
                          .arg(problems.size() - kListedInText);
            m_details = QStringLiteral("Problems:\n") + problems.join(u'\n');
        }
    }
    if (const QString output = PathToQString(result.Details()); !output.isEmpty())
        m_details +=
            m_details.isEmpty() ? output : QStringLiteral("\n\nThe compiler's output:\n") + output;
}

}  // namespace vantoro
