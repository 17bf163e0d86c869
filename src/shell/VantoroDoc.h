#pragma once

#include <QObject>
#include <QString>

namespace vantoro {

// The window's document: the title and the path of the open project file, nothing of
// the project itself (the main frame holds that). It has no file format, so there is no
// way for it to write, and so to empty, a project file.
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

    // Nothing ever marks the document modified: edits go straight into the element
    // records, so closing the window asks nothing.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified) { m_bModified = modified; }

signals:
    void TitleChanged(const QString& title);

private:
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
};

}  // namespace vantoro
