#include "VantoroDoc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "ArtworkImportCommand.h"
#include "AtomicFile.h"
#include "FieldEditCommand.h"
#include "FileNameResolver.h"
#include "FileSetWriter.h"
#include "PathString.h"
#include "ProfileStore.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"
#include "RuleBook.h"
#include "TextCodec.h"
#include "WriteRule.h"

namespace vantoro {

CVantoroDoc::CVantoroDoc(QObject* parent)
    : QObject(parent), m_Watcher(m_Project, m_Bitmaps), m_clock([] {
          static const QElapsedTimer started = [] {
              QElapsedTimer timer;
              timer.start();
              return timer;
          }();
          return started.elapsed();
      }) {
    connect(&m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
    // The files followed are the ones the project names now: after another file, a close,
    // and any edit, undo or redo (a bitmap's name may have changed).
    connect(this, &CVantoroDoc::ProjectReplaced, &m_Watcher, &CBitmapWatcher::Follow);
    connect(&m_stack, &QUndoStack::indexChanged, &m_Watcher, &CBitmapWatcher::Follow);
    // Connected before any view: the views read the findings when they hear of the change.
    connect(&m_Watcher, &CBitmapWatcher::BitmapsChanged, this, &CVantoroDoc::UpdateAllFindings);
    m_Project.SetSheetJudge(this);
    OnNewDocument();
}

CVantoroDoc::~CVantoroDoc() {
    m_Project.SetSheetJudge(nullptr);
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

void CVantoroDoc::UpdateAllFindings() {
    m_findings.UpdateAll(m_Project);
    emit FindingsChanged();
}

void CVantoroDoc::Remember(const QString& path) {
    m_saved.clear();
    for (const CSkinField& field : CSkinFields::All())
        m_saved.push_back(m_Project.Element(field.Element).Get(field));
    m_stamp = CFileStamp::Of(QStringToPath(path), true);
    m_reportedChange.reset();
    CTextEncoding encoding = CTextEncoding::Ansi;
    std::string unkept;
    m_Project.ProfileStore().Encoding(QStringToPath(path), encoding, unkept);
    m_strUnkept = QString::fromUtf8(unkept);
}

bool CVantoroDoc::Open(const QString& path, QString* error) {
    // An import of this project stopped half way is finished before its files are read.
    const std::string file = QStringToPath(CProjectPath::Absolute(path));
    const CResult<std::string> finished = CFileSetWriter::FinishStopped(file);
    if (!finished) {
        if (error) *error = MessageToQString(finished.Error());
        return false;
    }
    if (!finished->empty()) emit Told(MessageToQString(*finished));
    const CResult<std::unique_ptr<CSkinProject>> loaded = CSkinProject::Read(file);
    if (!loaded) {
        if (error) *error = MessageToQString(loaded.Error());
        return false;
    }
    emit AboutToReplaceProject();
    m_stack.clear();
    m_pictures.Clear();
    m_Project.TakeFrom(**loaded);
    Remember(PathToQString(m_Project.PathName));
    UpdateAllFindings();
    emit ProjectReplaced();
    return true;
}

bool CVantoroDoc::Reload(QString* error) {
    if (!m_Project.IsLoaded) return false;
    return Open(PathToQString(m_Project.PathName), error);
}

void CVantoroDoc::Close() {
    emit AboutToReplaceProject();
    m_stack.clear();
    m_pictures.Clear();
    m_Project.CloseProject();
    m_saved.clear();
    m_stamp.reset();
    m_reportedChange.reset();
    m_strUnkept.clear();
    UpdateAllFindings();
    emit ProjectReplaced();
}

CVantoroDoc::ImportResult CVantoroDoc::ImportArtwork(const CSkinField& field, const QString& image,
                                                     const CImportOptions& options, QString* error,
                                                     QStringList* notes) {
    auto fail = [&](const std::string& why, ImportResult result = ImportResult::Refused) {
        if (error) *error = MessageToQString(why);
        return result;
    };
    if (!m_Project.IsLoaded) return fail("No project is open.");
    CArtworkImporter importer;
    CArtworkImport import;
    if (!importer.Compute(m_Project, field, QStringToPath(image), options, import))
        return fail(importer.LastError());
    if (const std::string oversize = CArtworkImporter::Oversize(m_Project, import);
        !oversize.empty())
        return fail(oversize, ImportResult::TooLarge);
    // Written before the step is recorded, so that a failure is told here and records
    // nothing; the step's first redo finds the files written.
    std::vector<std::string> paths;
    for (const CImportedFile& file : import.Files) paths.push_back(file.Path);
    std::string why;
    if (!m_pictures.Touching(paths, &why) || !CArtworkImporter::Write(import, &why))
        return fail(why);
    if (notes)
        for (const std::string& note : import.Notes) notes->append(MessageToQString(note));
    const QString text = QStringLiteral("Import into ") + ToQString(CSkinFields::Label(field));
    m_stack.push(new CArtworkImportCommand(*this, std::move(import), text));
    return ImportResult::Imported;
}

bool CVantoroDoc::PutPictures(const std::string& project, const std::vector<CFileState>& wanted,
                              std::string* error) {
    std::vector<std::string> paths;
    for (const CFileState& state : wanted) paths.push_back(state.Path);
    if (!m_pictures.Touching(paths, error)) return false;
    std::vector<CFileState> changing;
    for (const CFileState& state : wanted) {
        CFileState now;
        if (!CFileSetWriter::Read(state.Path, now, error)) return false;
        if (now.Exists != state.Exists || now.Bytes != state.Bytes) changing.push_back(state);
    }
    if (!changing.empty() && !CFileSetWriter::Apply(project, changing, nullptr, error))
        return false;
    for (const CFileState& state : wanted) m_pictures.Left(state);
    return true;
}

bool CVantoroDoc::Step(bool undo) {
    const int index = undo ? m_stack.index() - 1 : m_stack.index();
    if (index < 0 || index >= m_stack.count()) return false;
    // The stack's commands are the document's own, made in this file.
    auto* import =
        dynamic_cast<CArtworkImportCommand*>(const_cast<QUndoCommand*>(m_stack.command(index)));
    if (import) {
        const std::vector<std::string> changed = m_pictures.ChangedByOthers(import->Paths());
        if (!changed.empty()) {
            QStringList names;
            for (const std::string& path : changed) names << NameInFolder(path);
            const Overwrite answer = m_askOverwrite(names);
            if (answer == Overwrite::Cancel) return false;
            import->KeepOnce(answer == Overwrite::Keep ? changed : std::vector<std::string>{});
        }
    }
    if (undo)
        m_stack.undo();
    else
        m_stack.redo();
    return true;
}

QString CVantoroDoc::NameInFolder(const std::string& path) const {
    return QDir::toNativeSeparators(
        QDir(PathToQString(m_Project.Folder)).relativeFilePath(PathToQString(path)));
}

QStringList CVantoroDoc::PicturesSinceSave() const {
    QStringList names;
    for (const CFileState& state : m_pictures.SinceSave()) names << NameInFolder(state.Path);
    return names;
}

bool CVantoroDoc::PicturesToPutBack(std::vector<CFileState>& wanted, QString* error) {
    wanted = m_pictures.SinceSave();
    if (wanted.empty()) return true;
    std::vector<std::string> paths;
    for (const CFileState& state : wanted) paths.push_back(state.Path);
    const std::vector<std::string> changed = m_pictures.ChangedByOthers(paths);
    if (changed.empty()) return true;
    QStringList names;
    for (const std::string& path : changed) names << NameInFolder(path);
    const Overwrite answer = m_askOverwrite(names);
    if (answer == Overwrite::Cancel) {
        if (error) error->clear();
        return false;
    }
    if (answer == Overwrite::Keep)
        std::erase_if(wanted, [&](const CFileState& state) {
            return std::find(changed.begin(), changed.end(), state.Path) != changed.end();
        });
    return true;
}

bool CVantoroDoc::PutBackPictures(QString* error) {
    std::vector<CFileState> wanted;
    if (!PicturesToPutBack(wanted, error)) return false;
    std::string why;
    if (!wanted.empty() && !PutPictures(m_Project.PathName, wanted, &why)) {
        if (error) *error = MessageToQString(why);
        return false;
    }
    m_pictures.Saved();
    return true;
}

std::string CVantoroDoc::Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                                 const CPropertyValue& value) const {
    const std::optional<CSkinElement> element = sheet.SkinElement();
    if (!element) return {};
    return CRuleBook::Refusal(m_Project, *element, item.m_nItemId, value);
}

bool CVantoroDoc::EnterValue(const CPropertyItemManager& sheet, int itemId,
                             const CPropertyValue& value, Merge merge) {
    std::optional<CFieldChange> change = sheet.ChangeFor(uint8_t(itemId), value);
    if (!change) return false;
    const CFieldRow* row = change->Field->Row(uint8_t(itemId));
    const QString text = ToQString(std::string(CSkinFields::Element(change->Field->Element).Name) +
                                   " " + (row ? row->Label : change->Field->Member));
    return SetValues({std::move(*change)}, text, merge);
}

bool CVantoroDoc::SetValue(const CSkinField& field, CFieldValue value, Merge merge) {
    const CFieldRow& row = field.Rows[0];
    const QString text = ToQString(std::string(CSkinFields::Element(field.Element).Name) + " " +
                                   (row.ItemId ? row.Label : field.Member));
    return SetValues({{&field, std::move(value)}}, text, merge);
}

bool CVantoroDoc::SetValues(std::vector<CFieldChange> changes, const QString& text, Merge merge) {
    if (!m_Project.IsLoaded) return false;
    for (const CFieldChange& change : changes) {
        if (const std::string refusal = CRuleBook::Refusal(m_Project, *change.Field, change.Value);
            !refusal.empty()) {
            emit Refused(MessageToQString(refusal));
            return false;
        }
    }
    // The fields that follow the ones asked for (a choice's code) change in the same step.
    for (size_t i = 0, asked = changes.size(); i < asked; ++i) {
        const CFieldChange askedFor = changes[i];  // Derive appends to the same list
        m_Project.Element(askedFor.Field->Element).Derive(askedFor, changes);
    }
    std::vector<CFieldChange> before;
    bool differs = false;
    for (const CFieldChange& change : changes) {
        before.push_back(
            {change.Field, m_Project.Element(change.Field->Element).Get(*change.Field)});
        differs = differs || before.back().Value != change.Value;
    }
    if (!differs) return true;
    const int64_t nudgedAt = merge == Merge::Nudge ? m_clock() : -1;
    m_stack.push(
        new CFieldEditCommand(*this, std::move(before), std::move(changes), text, nudgedAt));
    return true;
}

void CVantoroDoc::PutValues(const std::vector<CFieldChange>& changes) {
    for (const CFieldChange& change : changes)
        m_Project.Element(change.Field->Element).Set(*change.Field, change.Value);
    // The rows show the records, and the rules judge them again, before anyone is told.
    std::vector<CSkinElement> touched;
    for (const CFieldChange& change : changes)
        if (std::find(touched.begin(), touched.end(), change.Field->Element) == touched.end())
            touched.push_back(change.Field->Element);
    for (CSkinElement element : touched) {
        m_Project.Element(element).UpdateSheet();
        m_findings.Update(m_Project, element);
    }
    for (const CFieldChange& change : changes)
        emit ValueChanged(change.Field->Element, change.Field);
    emit FindingsChanged();
}

void CVantoroDoc::PicturesChanged(const CSkinField& field) {
    m_findings.Update(m_Project, field.Element);
    emit ValueChanged(field.Element, &field);
    emit FindingsChanged();
}

QSet<int> CVantoroDoc::ChangedRows(const CPropertyItemManager& sheet) const {
    QSet<int> changed;
    const std::optional<CSkinElement> element = sheet.SkinElement();
    if (!m_Project.IsLoaded || !element || m_saved.empty()) return changed;
    const std::span<const CSkinField> fields = CSkinFields::All();
    for (size_t i = 0; i < fields.size(); ++i) {
        const CSkinField& field = fields[i];
        if (field.Element != *element) continue;
        const CFieldValue now = m_Project.Element(field.Element).Get(field);
        if (now == m_saved[i]) continue;
        // A point's rows each show a part: only the part that differs is changed.
        for (const CFieldRow& row : field.Rows)
            if (row.ItemId &&
                RowValueOf(field, row.ItemId, now) != RowValueOf(field, row.ItemId, m_saved[i]))
                changed.insert(row.ItemId);
    }
    return changed;
}

bool CVantoroDoc::ChangedOnDisk() const {
    if (!m_Project.IsLoaded || !m_stamp) return false;
    return !m_stamp->Matches(m_Project.PathName);
}

bool CVantoroDoc::IsNewChangeOnDisk() {
    if (!ChangedOnDisk()) {
        m_reportedChange.reset();
        return false;
    }
    const std::optional<CFileStamp> now = CFileStamp::Of(m_Project.PathName, true);
    // A file gone is one change, whatever follows it until it is back.
    const std::optional<uint64_t> hash = now ? now->Hash : std::nullopt;
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
        if (error) *error = MessageToQString(saved.Error());
        return SaveResult::Failed;
    }
    Remember(path);
    m_stack.setClean();
    m_pictures.Saved();
    // The save rewrites lines the file held otherwise than they read (a "Depth=8abc"):
    // their findings go with them.
    UpdateAllFindings();
    return SaveResult::Saved;
}

bool CVantoroDoc::SaveAs(const QString& target, QString* error, QString* note,
                         const ReplaceAsker& mayReplace) {
    namespace fs = std::filesystem;
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_Project.IsLoaded) return fail(QStringLiteral("No project is open."));
    const QString path = CProjectPath::Absolute(target);
    const std::string oldFolder = m_Project.Folder;
    const std::string oldPath = m_Project.PathName;
    const std::string newFolder = CProjectPath::FolderOf(QStringToPath(path));
    if (CProjectPath::IsSameFile(path, PathToQString(m_Project.PathName))) {
        const SaveResult result = Save(true, error);
        return result == SaveResult::Saved;
    }
    // The file's own lines (comments, keys of other programs) go along; the values follow.
    std::string bytes;
    std::string why;
    if (!CProfileStore::ReadFileBytes(m_Project.PathName, bytes, &why))
        bytes = CSkinProject::kEmptyProjectContent;

    const bool moved = !CProjectPath::IsSameFile(oldFolder, newFolder);
    m_Project.PathName = QStringToPath(path);
    m_Project.Folder = newFolder;
    auto restore = [&] {
        m_Project.PathName = oldPath;
        m_Project.Folder = oldFolder;
    };
    // The names the fields take in the new project, and the pictures copied for them.
    std::vector<std::pair<std::string*, std::string>> names;
    std::vector<CFileState> copies;
    QStringList outside, replaced;
    if (moved) {
        const CWriteRule inOld(oldFolder);
        const CWriteRule intoNew = CWriteRule::ForProject(m_Project);
        std::set<std::string> copied;
        for (const CSkinField& field : CSkinFields::All()) {
            if (field.Kind != CFieldKind::Bitmap) continue;
            std::string& name =
                *std::get<std::string*>(m_Project.Element(field.Element).Field(field));
            if (name.empty()) continue;
            const fs::path file = fs::path(ResolveFileName(oldFolder, name)).lexically_normal();
            if (inOld.Judge(PathString(file)).Why == CWriteRule::Reason::Outside) {
                // Not the project's own: the new project names the same file from its folder.
                const fs::path relative = file.lexically_relative(fs::path(newFolder));
                names.emplace_back(&name,
                                   relative.empty() ? PathString(file) : PathString(relative));
                outside << QDir::toNativeSeparators(PathToQString(PathString(file)));
                continue;
            }
            const fs::path relative = file.lexically_relative(fs::path(oldFolder));
            const std::string copy = PathString(fs::path(newFolder) / relative);
            // A plain name reads the same in the new folder; others lead there the short way.
            if (fs::path(name).is_absolute() || name.find("..") != std::string::npos)
                names.emplace_back(&name, PathString(relative));
            if (!copied.insert(copy).second) continue;
            CFileState source;
            if (!CFileSetWriter::Read(PathString(file), source, &why)) {
                restore();
                return fail(MessageToQString(why));
            }
            if (!source.Exists) continue;  // missing there too: the name stays, as it was
            if (const std::string refusal = intoNew.Refusal(copy); !refusal.empty()) {
                restore();
                return fail(MessageToQString(CSkinFields::Label(field) + ": " + refusal));
            }
            CFileState there;
            if (!CFileSetWriter::Read(copy, there, &why)) {
                restore();
                return fail(MessageToQString(why));
            }
            if (there.Exists && there.Bytes == source.Bytes) continue;
            if (there.Exists)
                replaced << QDir::toNativeSeparators(PathToQString(PathString(relative)));
            copies.push_back({copy, true, std::move(source.Bytes)});
        }
        if (!replaced.isEmpty() && !(mayReplace && mayReplace(replaced))) {
            restore();
            return fail({});
        }
    }
    // The old project stays as it was saved: what was imported into its folder since then
    // goes back there (it travels on in the copies, read above), before anything is written.
    std::vector<CFileState> putBack, imported;
    if (moved) {
        QString refused;
        if (!PicturesToPutBack(putBack, &refused)) {
            restore();
            return fail(refused);
        }
        if (!putBack.empty() && !CFileSetWriter::Apply(oldPath, putBack, &imported, &why)) {
            restore();
            return fail(QStringLiteral("The pictures imported since the last save cannot be put "
                                       "back in the old project's folder, so nothing was "
                                       "saved: %1")
                            .arg(MessageToQString(why)));
        }
    }
    // A failure further on leaves the old folder as the history left it, to try again.
    auto undoPutBack = [&] {
        if (!imported.empty()) CFileSetWriter::Apply(oldPath, imported, nullptr, nullptr);
    };
    auto undoCopies = [&](const std::vector<CFileState>& before) {
        if (!before.empty()) CFileSetWriter::Apply(m_Project.PathName, before, nullptr, nullptr);
        undoPutBack();
    };
    std::vector<CFileState> before;
    for (const CFileState& copy : copies) {
        std::error_code ignored;
        fs::create_directories(fs::path(copy.Path).parent_path(), ignored);
    }
    if (!copies.empty() && !CFileSetWriter::Apply(m_Project.PathName, copies, &before, &why)) {
        undoPutBack();
        restore();
        return fail(MessageToQString(why));
    }
    if (const CResult<void> written = CAtomicFile::Write(QStringToPath(path), bytes); !written) {
        undoCopies(before);
        restore();
        return fail(MessageToQString(written.Error()));
    }
    std::vector<std::pair<std::string*, std::string>> oldNames;
    for (auto& [name, value] : names) {
        oldNames.emplace_back(name, *name);
        *name = value;
    }
    if (const CResult<void> saved = m_Project.SaveProject(); !saved) {
        const QString reason = MessageToQString(saved.Error());
        QFile::remove(path);
        undoCopies(before);
        for (auto& [name, value] : oldNames) *name = value;
        restore();
        return fail(reason);
    }
    for (const CSkinElementInfo& info : CSkinFields::Elements())
        m_Project.Element(info.Element).UpdateSheet();
    if (moved) {
        m_stack.clear();
        m_pictures.Clear();
    }
    Remember(path);
    m_stack.setClean();
    m_pictures.Saved();
    SetPathName(path);
    if (note && !outside.isEmpty())
        *note = QStringLiteral(
                    "These pictures lie outside the project's folder and were not copied; the "
                    "new project names them where they are:\n%1")
                    .arg(outside.join(u'\n'));
    UpdateAllFindings();
    emit ProjectReplaced();
    return true;
}

}  // namespace vantoro
