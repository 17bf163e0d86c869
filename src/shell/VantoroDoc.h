#pragma once

#include <QObject>
#include <QString>

#include "EditHistory.h"

namespace vantoro {

// The window's document: the title and the path of the open project file, and the
// history of the project's edits; nothing of the project itself (the main frame holds
// that). It has no file format, so there is no way for it to write, and so to empty, a
// project file.
class CVantoroDoc : public QObject {
    Q_OBJECT
public:
    explicit CVantoroDoc(QObject* parent = nullptr);

    // A fresh, untitled document; the project the frame holds is not touched.
    bool OnNewDocument();

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    // Remembers the file and titles the document with its name.
    void SetPathName(const QString& path);

    // Modified exactly when the edit history is not where the last save or load left it.
    bool IsModified() const { return m_History.IsModified(); }
    CEditHistory& History() { return m_History; }

signals:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);

private:
    QString m_strTitle;
    QString m_strPathName;
    CEditHistory m_History;
};

}  // namespace vantoro
