#include "DocumentCommands.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "AtomicFile.h"
#include "BuildMessage.h"
#include "BuildRunner.h"
#include "CommandIds.h"
#include "DIBSectionLite.h"
#include "FileSetWriter.h"
#include "FilesInTheWay.h"
#include "ImageFileReader.h"
#include "ImportDlg.h"
#include "MessageBox.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"
#include "RuleBook.h"
#include "SkinRenderer.h"
#include "SkinUnpacker.h"
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
      m_commitPendingEdit(std::move(commitPendingEdit)),
      m_choosePath(
          [this](const QString& title, const QString& start, const QString& filter, bool save) {
              if (filter.isEmpty())
                  return QFileDialog::getExistingDirectory(&m_window, title, start);
              return save ? QFileDialog::getSaveFileName(&m_window, title, start, filter)
                          : QFileDialog::getOpenFileName(&m_window, title, start, filter);
          }),
      m_chooseOptions(
          [this](const CSkinField& field, const QString& image) -> std::optional<CImportOptions> {
              // A picture that cannot be read is told by the import itself, in its words.
              QImage picture;
              CImageFileReader reader;
              if (!reader.Read(QStringToPath(image), CRuleBook::kMaxBitmapSide, picture))
                  return CImportOptions{};
              CImportDlg dialog(m_document.Project(), field, picture, QFileInfo(image).fileName(),
                                &m_window);
              if (dialog.exec() != QDialog::Accepted) return std::nullopt;
              return dialog.Options();
          }) {
    m_document.SetOverwriteAsker([this](const QStringList& names) {
        const int answer = CMessageBox::Ask(
            &m_window,
            QStringLiteral("%1 %2 changed by another program since Korrido Vantoro wrote %3. "
                           "Replace %3, or keep the other program's %4?")
                .arg(names.join(QStringLiteral(", ")),
                     names.size() == 1 ? QStringLiteral("was") : QStringLiteral("were"),
                     names.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                     names.size() == 1 ? QStringLiteral("file") : QStringLiteral("files")),
            {QStringLiteral("Replace"), QStringLiteral("Keep the Other Program's File"),
             QStringLiteral("Cancel")},
            2);
        return answer == 0   ? CVantoroDoc::Overwrite::Replace
               : answer == 1 ? CVantoroDoc::Overwrite::Keep
                             : CVantoroDoc::Overwrite::Cancel;
    });
}

QString CDocumentCommands::JoinedNames(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.last();
}

QString CDocumentCommands::FileName() const {
    return QFileInfo(PathToQString(m_document.Project().PathName)).fileName();
}

bool CDocumentCommands::SaveModified() {
    m_commitPendingEdit();
    if (!m_document.IsModified() || !m_document.Project().IsLoaded) return true;
    // Discarding puts the imported pictures back too: the question says which.
    QString text = QStringLiteral("Save changes to %1?").arg(FileName());
    if (const QStringList pictures = m_document.PicturesSinceSave(); !pictures.isEmpty())
        text += QStringLiteral("\n\nDiscard puts back %1 as %2 at the last save.")
                    .arg(JoinedNames(pictures), pictures.size() == 1 ? QStringLiteral("it was")
                                                                     : QStringLiteral("they were"));
    switch (CMessageBox::AskSaveChanges(&m_window, text)) {
        case CMessageBox::Answer::Save:
            return Save();
        case CMessageBox::Answer::Discard: {
            QString error;
            if (m_document.PutBackPictures(&error)) return true;
            if (!error.isEmpty())
                CMessageBox::Show(&m_window,
                                  QStringLiteral("Unable to put the pictures back.\n\n") + error);
            return false;
        }
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
    const QString path = m_choosePath(QStringLiteral("Save Project As"),
                                      PathToQString(m_document.Project().PathName), filter, true);
    return !path.isEmpty() && SaveAs(path);
}

bool CDocumentCommands::SaveAs(const QString& path) {
    m_commitPendingEdit();
    QString error, note;
    const auto mayReplace = [this](const QStringList& names) {
        return CMessageBox::Ask(&m_window,
                                QStringLiteral("The new folder holds other files named %1. Replace "
                                               "them with the project's pictures?")
                                    .arg(JoinedNames(names)),
                                {QStringLiteral("Replace"), QStringLiteral("Cancel")}, 1) == 0;
    };
    if (!m_document.SaveAs(path, &error, &note, mayReplace)) {
        if (!error.isEmpty())
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
    // An import of this project stopped half way (by another process) is finished first, so
    // the build takes its pictures whole.
    if (const CResult<std::string> finished =
            CFileSetWriter::FinishStopped(m_document.Project().PathName);
        !finished) {
        CMessageBox::Show(&m_window, QStringLiteral("Unable to build the skin.\n\n") +
                                         MessageToQString(finished.Error()));
        return;
    } else if (!finished->empty()) {
        emit Status(MessageToQString(*finished));
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CBuildResult result = CBuildRunner(m_compiler, m_document.Bitmaps())
                                    .Run(m_document.Project(), m_document.Findings());
    QApplication::restoreOverrideCursor();
    const CBuildMessage message(result);
    CMessageBox::Show(&m_window, message.Text(),
                      result.Success ? CMessageBox::Kind::Information : CMessageBox::Kind::Warning,
                      message.Details());
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
            emit Status(
                QStringLiteral("Reloaded %1: it was changed by another program.").arg(FileName()));
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

bool CDocumentCommands::ImportImage(CPropertyItemManager* sheet, int itemId, const QString& given,
                                    bool ask) {
    m_commitPendingEdit();
    CSkinProject& project = m_document.Project();
    if (!project.IsLoaded || !sheet || !sheet->SkinElement()) return false;
    const CSkinField* field = sheet->FieldOf(uint8_t(itemId));
    if (!field || field->Kind != CFieldKind::Bitmap) {
        field = nullptr;
        for (const CSkinField* each : CSkinFields::Of(*sheet->SkinElement()))
            if (each->Kind == CFieldKind::Bitmap && !each->Mask) {
                field = each;
                break;
            }
    }
    if (!field) {
        CMessageBox::Show(&m_window, QStringLiteral("%1 has no bitmap to import a picture into.")
                                         .arg(ToQString(project.ElementName(sheet))));
        return false;
    }
    QString image = given;
    if (image.isEmpty())
        image = m_choosePath(
            QStringLiteral("Import Image into %1").arg(ToQString(CSkinFields::Label(*field))),
            PathToQString(project.Folder),
            QStringLiteral("Images (*.png *.bmp *.gif *.jpg *.jpeg *.webp);;All Files (*)"), false);
    if (image.isEmpty()) return false;
    CImportOptions options;
    if (ask) {
        const std::optional<CImportOptions> chosen = m_chooseOptions(*field, image);
        if (!chosen) return false;
        options = *chosen;
    }
    QString error;
    QStringList notes;
    for (;;) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const CVantoroDoc::ImportResult result =
            m_document.ImportArtwork(*field, image, options, &error, &notes);
        QApplication::restoreOverrideCursor();
        if (result == CVantoroDoc::ImportResult::Imported) break;
        // Cut to the element's own size, it may well fit; the user decides before anything
        // is written.
        if (result == CVantoroDoc::ImportResult::TooLarge && !options.Fit &&
            CMessageBox::Ask(
                &m_window,
                error + QStringLiteral("\n\nFit the picture to the element's size? It is cut "
                                       "(or padded) to the element's rectangle."),
                {QStringLiteral("Fit to Element"), QStringLiteral("Cancel")}, 0) == 0) {
            options.Fit = true;
            continue;
        }
        if (result == CVantoroDoc::ImportResult::TooLarge && !options.Fit) return false;
        CMessageBox::Show(&m_window, QStringLiteral("Unable to import the picture.\n\n") + error);
        return false;
    }
    emit Status(notes.isEmpty()
                    ? QStringLiteral("%1 imported into %2.")
                          .arg(QFileInfo(image).fileName(), ToQString(CSkinFields::Label(*field)))
                    : notes.join(u' '));
    return true;
}

bool CDocumentCommands::Browse(CPropertyItemManager* sheet, int itemId) {
    CSkinProject& project = m_document.Project();
    const CSkinField* field = sheet ? sheet->FieldOf(uint8_t(itemId)) : nullptr;
    if (!project.IsLoaded || !field || field->Kind != CFieldKind::Bitmap) return false;
    const QString path = m_choosePath(
        QStringLiteral("Bitmap for %1").arg(ToQString(CSkinFields::Label(*field, uint8_t(itemId)))),
        PathToQString(project.Folder),
        QStringLiteral(
            "Bitmaps and Pictures (*.bmp *.png *.gif *.jpg *.jpeg *.webp);;All Files (*)"),
        false);
    if (path.isEmpty()) return false;
    // Taken as it is when the compiler would take it so: a BMP of the skin's depth (a mask
    // of 1 bit); 2-bit skins keep theirs in 4-bit files.
    CDIBSectionLite bitmap;
    const int depth = field->Mask ? 1 : project.SkinInfo.Depth;
    const bool asItIs =
        QFileInfo(path).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0 &&
        bitmap.Load(QStringToPath(path)) &&
        (bitmap.GetBitCount() == depth || (depth == 2 && bitmap.GetBitCount() == 4));
    if (!asItIs) return ImportImage(sheet, itemId, path);
    return m_document.EnterValue(
        *sheet, itemId, FromQString(QDir(PathToQString(project.Folder)).relativeFilePath(path)));
}

bool CDocumentCommands::ExportScreen() {
    m_commitPendingEdit();
    const CSkinProject& project = m_document.Project();
    if (!project.IsLoaded) return false;
    const QString start = PathToQString(project.Folder) + ToQString(project.SkinInfo.SkinName) +
                          QStringLiteral(".png");
    const QString path = m_choosePath(QStringLiteral("Export Screen as PNG"), start,
                                      QStringLiteral("PNG Images (*.png)"), true);
    if (path.isEmpty()) return false;
    const int answer = CMessageBox::Ask(
        &m_window, QStringLiteral("Export the screen with the outlines and names of its elements?"),
        {QStringLiteral("With Outlines"), QStringLiteral("Picture Only"),
         QStringLiteral("Cancel")});
    if (answer == 2) return false;
    CRenderOptions options;
    options.Overlay = answer == 0;
    // The window's bitmaps as read: the picture is what the layout view shows.
    CBitmapCache& bitmaps = m_document.Bitmaps();
    const QImage picture = CSkinRenderer(bitmaps).Render(project, options, m_document.Findings());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    std::string error = "the picture cannot be encoded";
    if (!picture.isNull() && picture.save(&buffer, "PNG")) {
        const CResult<void> written =
            CAtomicFile::Write(QStringToPath(path), std::string_view(bytes.data(), bytes.size()));
        error = written ? std::string() : written.Error();
    }
    if (!error.empty()) {
        CMessageBox::Show(&m_window, QStringLiteral("Unable to export the screen.\n\n") +
                                         MessageToQString(error));
        return false;
    }
    emit Status(
        QStringLiteral("The screen was written to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

QString CDocumentCommands::UnpackDatabase(const QString& database) {
    auto refuse = [&](const CSkinUnpacker& unpacker) {
        const QString headline = QStringLiteral("Unable to open the skin database.");
        if (!CFilesInTheWay::Show(&m_window, headline, unpacker.InTheWay(),
                                  unpacker.TargetFolder()))
            CMessageBox::Show(
                &m_window, headline + QStringLiteral("\n\n") + PathToQString(unpacker.LastError()));
        return QString();
    };
    // The file is judged before anyone is asked for a folder to put it in.
    CSkinUnpacker unpacker;
    if (!unpacker.Read(QStringToPath(database))) return refuse(unpacker);
    // The project goes into a new folder beside the database, which the user may rename:
    // a name that is not taken yet, so the dialog offers one it can accept.
    const QFileInfo file(database);
    const QDir beside = file.absoluteDir();
    QString proposed = file.completeBaseName();
    for (int n = 2; beside.exists(proposed) && n < 100; ++n)
        proposed = file.completeBaseName() + QStringLiteral(" ") + QString::number(n);
    const QString folder =
        m_choosePath(QStringLiteral("Unpack %1 into a New Folder").arg(file.fileName()),
                     beside.filePath(proposed), QStringLiteral("New Folder (*)"), true);
    if (folder.isEmpty()) return {};
    if (!unpacker.Write(QStringToPath(folder))) return refuse(unpacker);
    QStringList notes;
    for (const std::string& note : unpacker.Notes()) notes << MessageToQString(note);
    if (!notes.isEmpty()) emit Status(notes.join(u' '));
    return PathToQString(unpacker.ProjectPath());
}

}  // namespace vantoro
