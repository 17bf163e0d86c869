#include "VantoroDoc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "ArtworkImportCommand.h"
#include "AtomicFile.h"
#include "FieldEditCommand.h"
#include "FileNameResolver.h"
#include "FileSetWriter.h"
#include "ProfileStore.h"
#include "ProjectPath.h"
#include "PropertyItemManager.h"
#include "RuleBook.h"
#include "TextCodec.h"

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
    m_stamp = CFileStamp::Of(path);
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
        if (error) *error = ToQString(finished.Error());
        return false;
    }
    if (!finished->empty()) emit Told(ToQString(*finished));
    const CResult<std::unique_ptr<CSkinProject>> loaded = CSkinProject::Read(file);
    if (!loaded) {
        if (error) *error = ToQString(loaded.Error());
        return false;
    }
    emit AboutToReplaceProject();
    m_stack.clear();
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
    m_Project.CloseProject();
    m_saved.clear();
    m_stamp.reset();
    m_reportedChange.reset();
    m_strUnkept.clear();
    UpdateAllFindings();
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
    // Written before the step is recorded, so that a failure is told here and records
    // nothing; the step's first redo finds the files written.
    if (!CArtworkImporter::Write(import, &why)) {
        if (error) *error = ToQString(why);
        return false;
    }
    if (notes)
        for (const std::string& note : import.Notes) notes->append(ToQString(note));
    const QString text = QStringLiteral("Import into ") + ToQString(CSkinFields::Label(field));
    m_stack.push(new CArtworkImportCommand(*this, std::move(import), text));
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
            emit Refused(ToQString(refusal));
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
    m_stack.setClean();
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
    if (!CProfileStore::ReadFileBytes(m_Project.PathName, bytes, &why))
        bytes = CSkinProject::kEmptyProjectContent;
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
    if (moved) m_stack.clear();
    Remember(path);
    m_stack.setClean();
    SetPathName(path);
    if (note && moved)
        *note = QStringLiteral(
                    "The bitmaps were not copied: they stay in %1, and the new project "
                    "names them from %2.")
                    .arg(QDir::toNativeSeparators(PathToQString(oldFolder)),
                         QDir::toNativeSeparators(PathToQString(newFolder)));
    UpdateAllFindings();
    emit ProjectReplaced();
    return true;
}

}  // namespace vantoro
