#pragma once

#include <QString>
#include <QStringList>

namespace vantoro {

// The recent-file list of the File menu: newest first, at most `Size` entries, kept in
// the profile under "Recent File List" as "File1", "File2", ...
class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    // Reads the list from the profile; empty and duplicate values are dropped.
    void ReadList();
    void WriteList() const;

    // Puts `path` first (moving it up if it is already in the list) and writes the list.
    void Add(const QString& path);
    // Drops entry `index` (0 = newest) and writes the list.
    void Remove(int index);

    const QStringList& Files() const { return m_files; }
    int Size() const { return m_nSize; }

    // The text of entry `index` in the menu: its number as mnemonic, then the path.
    QString MenuText(int index) const;

    static QString SectionName() { return QStringLiteral("Recent File List"); }

private:
    int IndexOf(const QString& path) const;

    int m_nSize;
    QStringList m_files;
};

}  // namespace vantoro
