#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ArtworkImporter.h"
#include "BitmapCache.h"
#include "BitmapWatcher.h"
#include "FileStamp.h"
#include "PictureFiles.h"
#include "ProjectFindings.h"
#include "PropertySheetJudge.h"
#include "SkinProject.h"

namespace vantoro {

// The open skin: the project itself, the history of its edits, what the rule book finds in
// it, and its file as it was read or last saved. Every change of a value goes through
// SetValue (or SetValues): judged, made as one undoable step, told with one ValueChanged.
// The window, its views, the grid and the tree ask it for changes and listen; nothing else
// changes project data. A project is read apart and taken over only when the whole of it
// was read, so a failed open leaves everything as it was; the history is cleared first, so
// nothing in it points at values of another file.
class CVantoroDoc : public QObject, public IPropertySheetJudge {
    Q_OBJECT
public:
    explicit CVantoroDoc(QObject* parent = nullptr);
    ~CVantoroDoc() override;

    // A fresh, untitled document; the open project is not touched.
    bool OnNewDocument();

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    // Remembers the file and titles the document with its name.
    void SetPathName(const QString& path);

    // Modified exactly when the edit history is not where the last save or load left it.
    bool IsModified() const { return !m_stack.isClean(); }
    // The history of edits: one command per change.
    QUndoStack& Stack() { return m_stack; }
    // The clock nudges are timed by, in milliseconds (tests set their own).
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }

    // What becomes of picture files another program changed since the editor wrote them,
    // when a step (an undo, a redo, a discard) would write them again.
    enum class Overwrite { Replace, Keep, Cancel };
    // Asked with the files' names; until one is set, nothing is replaced (Cancel).
    using OverwriteAsker = std::function<Overwrite(const QStringList& names)>;
    void SetOverwriteAsker(OverwriteAsker asker) { m_askOverwrite = std::move(asker); }
    // Undoes or redoes the next step of the history. An import whose files another program
    // changed since asks first; false when there is no step or the answer was Cancel.
    bool Undo() { return Step(true); }
    bool Redo() { return Step(false); }

    // How a change joins the history: a step of its own, or a nudge (an arrow key on the
    // layout), which joins the nudges of the same fields before it until a pause of a
    // second or another change.
    enum class Merge { None, Nudge };
    // Puts `value` into `field` as one step, with the fields that follow it (a choice's
    // code). False when the rule book refuses it: Refused says why and nothing changes. A
    // value the field holds already makes no step.
    bool SetValue(const CSkinField& field, CFieldValue value, Merge merge = Merge::None);
    // Several fields as one step (a drag, an import), named `text` in the Edit menu.
    bool SetValues(std::vector<CFieldChange> changes, const QString& text,
                   Merge merge = Merge::None);
    // A value entered in `sheet`'s row `itemId` (a point's row is one of its parts).
    bool EnterValue(const CPropertyItemManager& sheet, int itemId, const CPropertyValue& value,
                    Merge merge = Merge::None);
    // Why the rule book refuses `value` for `sheet`'s `item`; empty when it takes it.
    std::string Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                        const CPropertyValue& value) const override;
    // What the rule book finds in the project as it stands.
    const std::vector<CSkinProblem>& Findings() const { return m_findings.All(); }

    // For the history's commands: puts the values into their fields and tells every view.
    void PutValues(const std::vector<CFieldChange>& changes);
    // For the history's commands: the files of `field`'s bitmaps were written.
    void PicturesChanged(const CSkinField& field);
    // For the history's commands: puts picture files of `project` into the states `wanted`
    // as one (those already there are left alone), remembering what the last save found.
    bool PutPictures(const std::string& project, const std::vector<CFileState>& wanted,
                     std::string* error);
    // For the history's commands: an undo or redo could not put everything back.
    void ReportStepFailure(const QString& reason) { emit StepFailed(reason); }
    CSkinProject& Project() { return m_Project; }
    const CSkinProject& Project() const { return m_Project; }
    // The project's bitmaps as read, for every view of it, its rules and its builds.
    CBitmapCache& Bitmaps() { return m_Bitmaps; }
    // Tells when one of them changes on disk.
    CBitmapWatcher& BitmapWatcher() { return m_Watcher; }

    // Reads `path` and, when all of it was read, makes it the open project; false with
    // `error` (the file and why) otherwise, leaving the open project as it was.
    bool Open(const QString& path, QString* error);
    // Reads the open project's file again, dropping the edits not saved.
    bool Reload(QString* error);
    // Puts the project away: no file, an empty history.
    void Close();

    enum class SaveResult {
        Saved,
        Failed,         // the reason in `error`
        ChangedOnDisk,  // another program wrote the file since it was read or last saved
        ReadOnly,       // the file may not be written: it is left alone
        WouldLoseText,  // the file holds characters the project cannot keep
    };
    // Writes the project into its file. Unless `overwrite`, a file changed on disk since it
    // was read or saved is not written over.
    SaveResult Save(bool overwrite, QString* error);
    // Writes the project as the new file `path` and goes on with it. In another folder, the
    // pictures it names from inside its folder are copied there under the same names, so
    // the new project changes none of the old one's files; those named from outside keep
    // pointing there, and `note` lists them. A picture that would replace a different file
    // there is copied only when `mayReplace` says so. The history is cleared then, since
    // its steps name the old files. False with `error` (empty when the user said no).
    using ReplaceAsker = std::function<bool(const QStringList& names)>;
    bool SaveAs(const QString& path, QString* error, QString* note,
                const ReplaceAsker& mayReplace = {});

    // The pictures imported (or put back by an undo) since the last save, named from the
    // project's folder: what Discard puts back.
    QStringList PicturesSinceSave() const;
    // Puts them back as the last save found them, asking before replacing one another
    // program changed since. False with `error` (empty after Cancel): nothing was changed.
    bool PutBackPictures(QString* error);

    // Brings the picture `image` into the bitmap `field` (and its mask) as one undoable step.
    // Refused, or TooLarge (a bitmap no handheld resource holds: fitting may help), with
    // `error`; nothing is written then. `notes`: what the user should know (the picture was
    // cut to fit, its size differs from the element's).
    enum class ImportResult { Imported, Refused, TooLarge };
    ImportResult ImportArtwork(const CSkinField& field, const QString& image,
                               const CImportOptions& options, QString* error, QStringList* notes);

    // The rows of `sheet` whose values differ from the file as read or last saved.
    QSet<int> ChangedRows(const CPropertyItemManager& sheet) const;

    // Whether the file on disk is no longer what was read or last saved (or is gone).
    bool ChangedOnDisk() const;
    // Whether a change on disk is new since the last call that reported it.
    bool IsNewChangeOnDisk();
    // The characters of the file a project cannot keep (they read as '?'), or empty.
    const QString& UnkeptText() const { return m_strUnkept; }

signals:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    // Before the open project takes another file's values or is put away: whoever holds
    // rows or editors of it lets go.
    void AboutToReplaceProject();
    // The project now is another file's, or none.
    void ProjectReplaced();
    // `field` of `element` took another value (or, for a bitmap, its files were written):
    // by an edit, an undo or a redo. The element's sheet already shows it.
    void ValueChanged(vantoro::CSkinElement element, const vantoro::CSkinField* field);
    // What the rule book finds changed.
    void FindingsChanged();
    // A change the rule book does not let in was asked for (typed or dragged): the reason.
    void Refused(const QString& reason);
    // A step undone or redone could not put everything back (a file it rewrites): why.
    void StepFailed(const QString& reason);
    // Something the user should know that went well (an import stopped half way was
    // finished when its project was opened).
    void Told(const QString& message);

private:
    // The pictures to put back as the last save found them, once the user said which of
    // those another program changed may be replaced. False after Cancel (`error` empty).
    bool PicturesToPutBack(std::vector<CFileState>& wanted, QString* error);
    void Remember(const QString& path);
    bool Step(bool undo);
    QString NameInFolder(const std::string& path) const;
    void UpdateAllFindings();

    QString m_strTitle;
    QString m_strPathName;
    // The project first: the history's commands point into it.
    CSkinProject m_Project;
    CBitmapCache m_Bitmaps;
    CBitmapWatcher m_Watcher;
    CProjectFindings m_findings{m_Bitmaps};
    QUndoStack m_stack;
    std::function<int64_t()> m_clock;
    std::optional<CFileStamp> m_stamp;
    // The change on disk last reported: its bytes' hash (none: the file was gone).
    std::optional<std::optional<uint64_t>> m_reportedChange;
    QString m_strUnkept;
    CPictureFiles m_pictures;
    OverwriteAsker m_askOverwrite = [](const QStringList&) { return Overwrite::Cancel; };
    // Every field's value as the file held it when read or last saved, in table order.
    std::vector<CFieldValue> m_saved;
};

}  // namespace vantoro
