#include "FilesInTheWay.h"

#include <QDir>
#include <QStringList>

#include "MessageBox.h"
#include "TextCodec.h"

namespace vantoro {

QString CFilesInTheWay::Text(const QString& headline, int count, const QString& folder,
                             const QString& what) {
    QString text = headline.isEmpty() ? QString() : headline + QStringLiteral("\n\n");
    // The folder on a line of its own: a long path is not broken at a slash.
    return text + QStringLiteral(
                      "%1 would replace %2 files that are already in the "
                      "folder\n%3\n\nNothing was written. Show Details... names them.")
                      .arg(what)
                      .arg(count)
                      .arg(QDir::toNativeSeparators(folder));
}

bool CFilesInTheWay::Show(QWidget* parent, const QString& headline,
                          const std::vector<std::string>& names, const std::string& folder,
                          const QString& what) {
    if (names.size() < 2) return false;
    QStringList listed;
    for (const std::string& name : names) listed.append(PathToQString(name));
    CMessageBox::Show(parent, Text(headline, int(names.size()), PathToQString(folder), what),
                      CMessageBox::Kind::Warning, listed.join(u'\n'));
    return true;
}

}  // namespace vantoro
