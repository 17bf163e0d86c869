#include "VantoroApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileOpenEvent>

#include "AboutDlg.h"
#include "AppIcon.h"
#include "CommandIds.h"
#include "ImageDrops.h"
#include "ImageFileReader.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "ProjectPath.h"
#include "SkinProject.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {

CVantoroApp::CVantoroApp(QObject* parent) : QObject(parent), m_RecentFiles(RECENT_FILE_COUNT) {}

CVantoroApp::~CVantoroApp() {
    // The frame refers to the document; it goes first.
    m_pMainFrame.reset();
}

QString CVantoroApp::ProjectPathFromCommandLine(const QStringList& arguments) {
    QString raw = arguments.join(u' ');
    while (!raw.isEmpty() && raw.back().isSpace()) raw.chop(1);
    // Quotes that reached us unparsed (a shell link, an association) are not part of the path.
    if (raw.size() >= 2 && raw.front() == u'"' && raw.back() == u'"')
        raw = raw.mid(1, raw.size() - 2);
    if (raw.right(4).compare(QStringLiteral(".skn"), Qt::CaseInsensitive) == 0) return raw;
    // Otherwise the first argument that is not an option names the file.
    for (const QString& argument : arguments)
        if (!argument.isEmpty() && !argument.startsWith(u'-')) return argument;
    return QString();
}

bool CVantoroApp::InitInstance(const QStringList& arguments) {
    QApplication::setWindowIcon(CAppIcon::Icon());
    m_RecentFiles.ReadList();

    m_pDocument = std::make_unique<CVantoroDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocument);
    CMainFrame* frame = m_pMainFrame.get();
    frame->OnCreate();
    connect(frame, &CMainFrame::FileNewRequested, this, &CVantoroApp::OnFileNew);
    connect(frame, &CMainFrame::FileOpenRequested, this, &CVantoroApp::OnFileOpen);
    connect(frame, &CMainFrame::RecentFileRequested, this, &CVantoroApp::OnOpenRecentFile);
    connect(frame, &CMainFrame::AboutRequested, this, &CVantoroApp::OnAppAbout);
    connect(frame, &CMainFrame::FileDropped, this, &CVantoroApp::OnFileDropped);
    connect(frame, &CMainFrame::NewProjectCreated, this, &CVantoroApp::OpenDocumentFile);
    UpdateRecentFileMenu();
    qApp->installEventFilter(this);

    frame->setAcceptDrops(true);
    frame->show();

    // A project that does not open has been reported by the frame; the editor still
    // starts, without a project, rather than vanish.
    const QString project = ProjectPathFromCommandLine(arguments);
    if (!project.isEmpty()) OpenDocumentFile(project);
    return true;
}

bool CVantoroApp::OpenDocumentFile(const QString& path) {
    return OpenDocument(path) == OpenOutcome::Opened;
}

CVantoroApp::OpenOutcome CVantoroApp::OpenDocument(const QString& path) {
    if (!m_pMainFrame || path.isEmpty()) return OpenOutcome::Failed;
    QString full = CProjectPath::Absolute(path);
    if (!m_pMainFrame->IsOpenProject(full) && !m_pMainFrame->SaveModified())
        return OpenOutcome::Cancelled;
    // A skin database opens as the project unpacked from it, in a folder the user picks.
    if (QFileInfo(full).suffix().compare(QStringLiteral("pdb"), Qt::CaseInsensitive) == 0) {
        full = m_pMainFrame->Commands().UnpackDatabase(full);
        if (full.isEmpty()) return OpenOutcome::Cancelled;
    }
    if (!m_pMainFrame->OpenProject(full)) return OpenOutcome::Failed;
    m_pDocument->SetPathName(full);
    m_RecentFiles.Add(full);
    UpdateRecentFileMenu();
    return OpenOutcome::Opened;
}

void CVantoroApp::OnFileDropped(const QString& path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    // Projects are a few kilobytes; a larger file is not read whole to find out.
    constexpr qint64 kLargestProject = 1 << 20;
    const bool image = CImageDrops::IsImage(path);
    // A project under another name still opens; a file that cannot be read is told so there.
    if (suffix == QStringLiteral("skn") || suffix == QStringLiteral("pdb") || !file.isFile() ||
        (!image && file.size() <= kLargestProject &&
         CSkinProject::ProjectFileProblem(QStringToPath(path)).empty())) {
        OpenDocumentFile(path);
        return;
    }
    QString text;
    if (image) {
        text = m_pMainFrame->Project().IsLoaded
                   ? QStringLiteral(
                         "To import %1, drop it on an element in the Workspace tree or "
                         "the screen layout.")
                   : QStringLiteral(
                         "To import %1, open a project and drop the picture on one of "
                         "its elements.");
        text = text.arg(file.fileName());
    } else {
        QStringList kinds;
        for (const std::string& kind : CImageFileReader::Kinds()) kinds << ToQString(kind);
        const QString last = kinds.isEmpty() ? QString() : kinds.takeLast();
        text = QStringLiteral(
                   "%1 is not a picture the importer reads.\n\nThe importer reads %2 "
                   "pictures. A project opens from its .skn file, a built skin from "
                   "its .PDB file.")
                   .arg(file.fileName(), kinds.isEmpty() ? last
                                                         : kinds.join(QStringLiteral(", ")) +
                                                               QStringLiteral(" and ") + last);
    }
    CMessageBox::Show(m_pMainFrame.get(), text);
}

void CVantoroApp::OnFileNew() {
    m_pDocument->OnNewDocument();
}

void CVantoroApp::OnFileOpen() {
    QString folder;
    const QStringList& recent = m_RecentFiles.Files();
    if (m_pMainFrame->Project().IsLoaded)
        folder = PathToQString(m_pMainFrame->Project().Folder);
    else if (!recent.isEmpty())
        folder = QFileInfo(recent.first()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(m_pMainFrame.get(), QStringLiteral("Open"),
                                                      folder, OpenFilter());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

QString CVantoroApp::OpenFilter() {
    return QStringLiteral("Skin Projects and Databases (*.skn *.SKN *.pdb *.PDB);;") +
           CStringTable::Field(IDR_MAINFRAME, 3) +
           QStringLiteral(";;Skin Databases (*.pdb *.PDB);;All Files (*)");
}

void CVantoroApp::OnOpenRecentFile(int index) {
    if (index < 0 || index >= m_RecentFiles.Files().size()) return;
    // An entry that does not open any more leaves the list, as the message said why.
    if (OpenDocument(m_RecentFiles.Files()[index]) == OpenOutcome::Failed) {
        m_RecentFiles.Remove(index);
        UpdateRecentFileMenu();
    }
}

void CVantoroApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
}

void CVantoroApp::UpdateRecentFileMenu() {
    QStringList texts;
    for (int i = 0; i < m_RecentFiles.Files().size(); ++i) texts.append(m_RecentFiles.MenuText(i));
    m_pMainFrame->SetRecentFiles(texts);
}

bool CVantoroApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FileOpen) {
        OpenDocumentFile(static_cast<QFileOpenEvent*>(event)->file());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantoro
