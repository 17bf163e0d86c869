#include "DocumentCommands.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "BuildRunner.h"
#include "CommandIds.h"
#include "MessageBox.h"
#include "ProjectPath.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {

CDocumentCommands::CDocumentCommands(QWidget& window, CVantoroDoc& document,
                                     CResourceCompiler& compiler,
                                     std::function<void()> commitPendingEdit)
    : QObject(&window),
      m_window(window),
      m_document(document),
      m_compiler(compiler),
      m_commitPendingEdit(std::move(commitPendingEdit)) {}

QString CDocumentCommands::FileName() const {
    return QFileInfo(PathToQString(m_document.Project().PathName)).fileName();
}

bool CDocumentCommands::SaveModified() {
    m_commitPendingEdit();
    if (!m_document.IsModified() || !m_document.Project().IsLoaded) return true;
    switch (CMessageBox::AskSaveChanges(&m_window,
                                        QStringLiteral("Save changes to %1?").arg(FileName()))) {
        case CMessageBox::Answer::Save:
            return Save();
        case CMessageBox::Answer::Discard:
            return true;
        case CMessageBox::Answer::Cancel:
            break;
    }
    return false;
}

bool CDocumentCommands::Open(const QString& path) {
    const CSkinProject& project = m_document.Project();
    // Reading it again would throw away the edits not yet saved; it stays as it is.
    if (project.IsLoaded && CProjectPath::IsSameFile(PathToQString(project.PathName), path))
        return true;
    QString reason;
    if (!m_document.Open(path, &reason)) {
        if (reason.isEmpty()) reason = CProjectPath::Absolute(path);
        CMessageBox::Show(&m_window, QStringLiteral("Unable to open project.\n\n") + reason);
        return false;
    }
    if (const QString& unkept = m_document.UnkeptText(); !unkept.isEmpty())
        emit Status(QStringLiteral("%1 holds characters a skin cannot keep (%2): they show as "
                                   "question marks, and the file will not be saved over.")
                        .arg(FileName(), unkept));
    return true;
}

bool CDocumentCommands::ResolveConflict(bool& reloaded) {
    reloaded = false;
    const int answer = CMessageBox::Ask(
        &m_window,
        QStringLiteral("%1 was changed by another program. Overwrite it, or reload it and lose "
                       "your changes?")
            .arg(FileName()),
        {QStringLiteral("Overwrite"), QStringLiteral("Reload"), QStringLiteral("Cancel")}, 2);
    if (answer == 0) return true;
    if (answer == 1) {
        QString reason;
        if (m_document.Reload(&reason)) {
            reloaded = true;
            emit Status(QStringLiteral("%1 was reloaded from disk.").arg(FileName()));
        } else {
            CMessageBox::Show(&m_window, QStringLiteral("Unable to open project.\n\n") + reason);
        }
    }
    return false;
}

bool CDocumentCommands::Save() {
    m_commitPendingEdit();
    if (!m_document.Project().IsLoaded) return false;
    QString error;
    bool overwrite = false;
    for (;;) {
        switch (m_document.Save(overwrite, &error)) {
            case CVantoroDoc::SaveResult::Saved:
                return true;
            case CVantoroDoc::SaveResult::ChangedOnDisk: {
                bool reloaded = false;
                if (!ResolveConflict(reloaded)) return false;
                overwrite = true;
                continue;
            }
            case CVantoroDoc::SaveResult::ReadOnly:
                if (CMessageBox::Ask(&m_window,
                                     QStringLiteral("%1 is read-only: it was not replaced. Save "
                                                    "the project under another name?")
                                         .arg(FileName()),
                                     {QStringLiteral("Save As..."), QStringLiteral("Cancel")}) == 0)
                    return SaveAs();
                return false;
            case CVantoroDoc::SaveResult::WouldLoseText:
                if (CMessageBox::Ask(&m_window,
                                     QStringLiteral("%1 holds characters a skin cannot keep (%2); "
                                                    "saving would turn them into question marks. "
                                                    "Save the project under another name?")
                                         .arg(FileName(), m_document.UnkeptText()),
                                     {QStringLiteral("Save As..."), QStringLiteral("Cancel")}) == 0)
                    return SaveAs();
                return false;
            case CVantoroDoc::SaveResult::Failed:
                break;
        }
        QString text = QStringLiteral("Unable to save project.");
        if (!error.isEmpty()) text += QStringLiteral("\n\n") + error;
        CMessageBox::Show(&m_window, text);
        return false;
    }
}

bool CDocumentCommands::SaveAs() {
    m_commitPendingEdit();
    if (!m_document.Project().IsLoaded) return false;
    const QString filter =
        CStringTable::Field(IDR_MAINFRAME, 3) + QStringLiteral(";;All Files (*)");
    const QString path =
        QFileDialog::getSaveFileName(&m_window, QStringLiteral("Save Project As"),
                                     PathToQString(m_document.Project().PathName), filter);
    return !path.isEmpty() && SaveAs(path);
}

bool CDocumentCommands::SaveAs(const QString& path) {
    m_commitPendingEdit();
    QString error, note;
    if (!m_document.SaveAs(path, &error, &note)) {
        CMessageBox::Show(&m_window, QStringLiteral("Unable to save project.\n\n") + error);
        return false;
    }
    if (!note.isEmpty()) CMessageBox::Show(&m_window, note, CMessageBox::Kind::Information);
    return true;
}

void CDocumentCommands::CloseCommand() {
    if (SaveModified()) Close();
}

void CDocumentCommands::Close() {
    m_document.Close();
}

void CDocumentCommands::Build() {
    m_commitPendingEdit();
    if (!m_document.Project().IsLoaded) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CBuildResult result =
        CBuildRunner(m_compiler, m_document.Bitmaps()).Run(m_document.Project());
    QApplication::restoreOverrideCursor();
    CMessageBox::Show(&m_window, PathToQString(result.Message()),
                      result.Success ? CMessageBox::Kind::Information : CMessageBox::Kind::Warning,
                      PathToQString(result.Details()));
}

void CDocumentCommands::FollowDisk() {
    if (!m_document.IsNewChangeOnDisk()) return;
    const QString path = PathToQString(m_document.Project().PathName);
    if (!QFileInfo::exists(path)) {
        emit Status(QStringLiteral("%1 is no longer on disk; Save Project As keeps the project.")
                        .arg(FileName()));
        return;
    }
    QString reason;
    if (!m_document.IsModified()) {
        if (m_document.Reload(&reason))
            emit Status(QStringLiteral("%1 was changed by another program and has been reloaded.")
                            .arg(FileName()));
        return;
    }
    const int answer = CMessageBox::Ask(
        &m_window,
        QStringLiteral("%1 was changed by another program. Reload it and lose your changes, or "
                       "keep your changes?")
            .arg(FileName()),
        {QStringLiteral("Reload"), QStringLiteral("Keep My Changes")}, 1);
    if (answer == 0 && !m_document.Reload(&reason))
        CMessageBox::Show(&m_window, QStringLiteral("Unable to open project.\n\n") + reason);
}

}  // namespace vantoro
