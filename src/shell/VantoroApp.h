#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "RecentFileList.h"

namespace vantoro {

class CMainFrame;
class CVantoroDoc;

// Starts the editor: the profile's recent files, the one document with its main frame
// and view, and the command line. Every road to a project (Open Project, the recent
// files, a dropped file, the command line, the desktop's open request) ends in
// OpenDocumentFile.
class CVantoroApp : public QObject {
    Q_OBJECT
public:
    explicit CVantoroApp(QObject* parent = nullptr);
    ~CVantoroApp() override;

    // `arguments` is the command line after the program's name. Shows the window; true
    // once it stands.
    bool InitInstance(const QStringList& arguments);

    // Loads the project at `path` into the main frame and, when that worked, titles the
    // document with it and puts it first in the recent-file list.
    bool OpenDocumentFile(const QString& path);

    // A file dropped on the window, not on an element: a project or a skin database opens;
    // a picture or any other file is told what a drop takes.
    void OnFileDropped(const QString& path);
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    void OnAppAbout();

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CVantoroDoc* Document() const { return m_pDocument.get(); }
    const CRecentFileList& RecentFiles() const { return m_RecentFiles; }

    // The project the command line names, or an empty text. The arguments joined with
    // blanks are taken whole when they end in ".skn", so a path with blanks that reached
    // the program unquoted still opens.
    static QString ProjectPathFromCommandLine(const QStringList& arguments);
    // The file types File > Open offers, the first shown: projects and skin databases
    // together, so a database beside its project is not hidden.
    static QString OpenFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class OpenOutcome { Opened, Failed, Cancelled };
    // As OpenDocumentFile; a project with unsaved changes is put away only if the user
    // lets it go.
    OpenOutcome OpenDocument(const QString& path);
    void UpdateRecentFileMenu();

    CRecentFileList m_RecentFiles;
    std::unique_ptr<CVantoroDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

}  // namespace vantoro
