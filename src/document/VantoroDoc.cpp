#include "VantoroDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <memory>

#include "ArtworkImportCommand.h"
#include "AtomicFile.h"
#include "FileNameResolver.h"
#include "ProfileStore.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"
#include "TextCodec.h"

namespace vantoro {

CVantoroDoc::CVantoroDoc(QObject* parent) : QObject(parent), m_Watcher(m_Project, m_Bitmaps) {
    connect(&m_History.Stack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
    // The files followed are the ones the project names now: after another file, a close,
    // and any edit, undo or redo (a bitmap's name may have changed).
    connect(this, &CVantoroDoc::ProjectReplaced, &m_Watcher, &CBitmapWatcher::Follow);
    connect(&m_History.Stack(), &QUndoStack::indexChanged, &m_Watcher, &CBitmapWatcher::Follow);
    m_History.Attach(&m_Project);
    OnNewDocument();
}

CVantoroDoc::~CVantoroDoc() {
    m_History.Attach(nullptr);
}

bool CVantoroDoc::OnNewDocument() {
    // The project stays open, and so do its edits and their history.
    m_strPathName.clear();
    SetTitle(QStringLiteral("Untitled"));
    return true;
}

void CVantoroDoc::SetTitle(const QString& title) {
    m_strTitle = title;
    emit TitleChanged(m_strTitle);
}

void CVantoroDoc::SetPathName(const QString& path) {
    m_strPathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void CVantoroDoc::Remember(const QString& path) {
    m_saved.clear();
    for (const CSkinElementInfo& info : CSkinFields::Elements()) {
        const CPropertyItemManager& sheet = m_Project.Element(info.Element).PropertySheet();
        for (const CPropertyItemCategory* category : sheet.m_listCategories)
            for (const CPropertyItem* row : category->m_listItems)
                m_saved[{&sheet, row->m_nItemId}] = row->GetValue();
    }
    m_stamp = CFileStamp::Of(path);
    m_reportedChange.reset();
    CTextEncoding encoding = CTextEncoding::Ansi;
    std::string unkept;
    m_Project.ProfileStore().Encoding(QStringToPath(path), encoding, unkept);
    m_strUnkept = QString::fromUtf8(unkept);
}

bool CVantoroDoc::Open(const QString& path, QString* error) {
    const CResult<std::unique_ptr<CSkinProject>> loaded =
        CSkinProject::Read(QStringToPath(CProjectPath::Absolute(path)));
    if (!loaded) {
        if (error) *error = ToQString(loaded.Error());
        return false;
    }
    emit AboutToReplaceProject();
    m_History.Clear();
    m_Project.TakeFrom(**loaded);
    Remember(PathToQString(m_Project.PathName));
    emit ProjectReplaced();
    return true;
}

bool CVantoroDoc::Reload(QString* error) {
    if (!m_Project.IsLoaded) return false;
    return Open(PathToQString(m_Project.PathName), error);
}

void CVantoroDoc::Close() {
    emit AboutToReplaceProject();
    m_History.Clear();
    m_Project.CloseProject();
    m_saved.clear();
    m_stamp.reset();
    m_reportedChange.reset();
    m_strUnkept.clear();
    emit ProjectReplaced();
}

bool CVantoroDoc::ImportArtwork(const CSkinField& field, const QString& image,
                                const CImportOptions& options, QString* error, QStringList* notes) {
    if (!m_Project.IsLoaded) {
        if (error) *error = QStringLiteral("No project is open.");
        return false;
    }
    CArtworkImporter importer;
    CArtworkImport import;
    std::string why;
    if (!importer.Compute(m_Project, field, QStringToPath(image), options, import)) {
        if (error) *error = ToQString(importer.LastError());
        return false;
    }
    if (!CArtworkImporter::Write(import, &why)) {
        if (error) *error = ToQString(why);
        return false;
    }
    if (notes)
        for (const std::string& note : import.Notes) notes->append(ToQString(note));
    const QString text = QStringLiteral("Import into ") + ToQString(CSkinFields::Label(field));
    m_History.Stack().push(
        new CArtworkImportCommand(m_History, m_Project, std::move(import), text));
    return true;
}

QSet<int> CVantoroDoc::ChangedRows(const CPropertyItemManager& sheet) const {
    QSet<int> changed;
    if (!m_Project.IsLoaded) return changed;
    for (const CPropertyItemCategory* category : sheet.m_listCategories)
        for (const CPropertyItem* row : category->m_listItems) {
            const auto saved = m_saved.find({&sheet, row->m_nItemId});
            if (saved != m_saved.end() && saved->second != row->GetValue())
                changed.insert(row->m_nItemId);
        }
    return changed;
}

bool CVantoroDoc::ChangedOnDisk() const {
    if (!m_Project.IsLoaded || !m_stamp) return false;
    return !m_stamp->Matches(PathToQString(m_Project.PathName));
}

bool CVantoroDoc::IsNewChangeOnDisk() {
    if (!ChangedOnDisk()) {
        m_reportedChange.reset();
        return false;
    }
    const std::optional<CFileStamp> now = CFileStamp::Of(PathToQString(m_Project.PathName));
    // A file gone is one change, whatever follows it until it is back.
    const QByteArray hash = now ? now->Hash : QByteArray("gone");
    if (m_reportedChange == hash) return false;
    m_reportedChange = hash;
    return true;
}

CVantoroDoc::SaveResult CVantoroDoc::Save(bool overwrite, QString* error) {
    if (!m_Project.IsLoaded) {
        if (error) *error = QStringLiteral("No project is open.");
        return SaveResult::Failed;
    }
    const QString path = PathToQString(m_Project.PathName);
    const QFileInfo file(path);
    // Marked read-only is read-only, for whoever runs the editor (root included).
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (file.exists() && (!file.isWritable() || !(file.permissions() & writeBits)))
        return SaveResult::ReadOnly;
    if (!m_strUnkept.isEmpty()) return SaveResult::WouldLoseText;
    if (!overwrite && file.exists() && ChangedOnDisk()) return SaveResult::ChangedOnDisk;
    if (const CResult<void> saved = m_Project.SaveProject(); !saved) {
        if (error) *error = ToQString(saved.Error());
        return SaveResult::Failed;
    }
    Remember(path);
    m_History.SetClean();
    return SaveResult::Saved;
}

bool CVantoroDoc::SaveAs(const QString& target, QString* error, QString* note) {
    namespace fs = std::filesystem;
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_Project.IsLoaded) return fail(QStringLiteral("No project is open."));
    const QString path = CProjectPath::Absolute(target);
    const std::string oldFolder = m_Project.Folder;
    const std::string newFolder = CProjectPath::FolderOf(QStringToPath(path));
    if (CProjectPath::IsSameFile(path, PathToQString(m_Project.PathName))) {
        const SaveResult result = Save(true, error);
        return result == SaveResult::Saved;
    }
    // The file's own lines (comments, keys of other programs) go along; the values follow.
    std::string bytes;
    std::string why;
    if (!CProfileStore::ReadFileBytes(m_Project.PathName, bytes, &why)) bytes = "[SkinInfo]\r\n";
    if (const CResult<void> written = CAtomicFile::Write(QStringToPath(path), bytes); !written)
        return fail(ToQString(written.Error()));

    const bool moved = !CProjectPath::IsSameFile(oldFolder, newFolder);
    if (moved) {
        for (const CSkinField& field : CSkinFields::All()) {
            if (field.Kind != CFieldKind::Bitmap) continue;
            std::string& name =
                *std::get<std::string*>(m_Project.Element(field.Element).Field(field));
            if (name.empty()) continue;
            const fs::path file = fs::path(ResolveFileName(oldFolder, name)).lexically_normal();
            const fs::path relative = file.lexically_relative(fs::path(newFolder));
            const std::string kept = relative.empty() ? file.string() : relative.string();
            name = kept;
        }
        for (const CSkinElementInfo& info : CSkinFields::Elements())
            m_Project.Element(info.Element).UpdateSheet();
    }
    const std::string oldPath = m_Project.PathName;
    m_Project.PathName = QStringToPath(path);
    m_Project.Folder = newFolder;
    if (const CResult<void> saved = m_Project.SaveProject(); !saved) {
        const QString reason = ToQString(saved.Error());
        QFile::remove(path);
        m_Project.PathName = oldPath;
        m_Project.Folder = oldFolder;
        return fail(reason);
    }
    if (moved) m_History.Clear();
    Remember(path);
    m_History.SetClean();
    SetPathName(path);
    if (note && moved)
        *note = QStringLiteral(
                    "The bitmaps were not copied: they stay in %1, and the new project "
                    "names them from %2.")
                    .arg(QDir::toNativeSeparators(PathToQString(oldFolder)),
                         QDir::toNativeSeparators(PathToQString(newFolder)));
    emit ProjectReplaced();
    return true;
}

}  // namespace vantoro
