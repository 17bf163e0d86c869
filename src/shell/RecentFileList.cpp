#include "RecentFileList.h"

#include <QDir>
#include <QSettings>

#include "Profile.h"

namespace vantoro {

CRecentFileList::CRecentFileList(int size) : m_nSize(size) {}

void CRecentFileList::ReadList() {
    m_files.clear();
    auto settings = CProfile::Open();
    settings->beginGroup(SectionName());
    for (int i = 1; i <= m_nSize; ++i) {
        const QString path = settings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && IndexOf(path) < 0) m_files.append(path);
    }
    settings->endGroup();
}

void CRecentFileList::WriteList() const {
    auto settings = CProfile::Open();
    settings->beginGroup(SectionName());
    for (int i = 1; i <= m_nSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            settings->setValue(key, m_files[i - 1]);
        else
            settings->remove(key);
    }
    settings->endGroup();
}

int CRecentFileList::IndexOf(const QString& path) const {
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString wanted = QDir::cleanPath(path);
    for (int i = 0; i < m_files.size(); ++i)
        if (QDir::cleanPath(m_files[i]).compare(wanted, cs) == 0) return i;
    return -1;
}

void CRecentFileList::Add(const QString& path) {
    const int existing = IndexOf(path);
    if (existing >= 0) m_files.removeAt(existing);
    m_files.prepend(path);
    while (m_files.size() > m_nSize) m_files.removeLast();
    WriteList();
}

void CRecentFileList::Remove(int index) {
    if (index < 0 || index >= m_files.size()) return;
    m_files.removeAt(index);
    WriteList();
}

QString CRecentFileList::MenuText(int index) const {
    if (index < 0 || index >= m_files.size()) return QString();
    QString path = QDir::toNativeSeparators(m_files[index]);
    // An ampersand in a folder name would otherwise underline the next letter.
    path.replace(QStringLiteral("&"), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}

}  // namespace vantoro
