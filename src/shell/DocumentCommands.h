#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "ArtworkImporter.h"

class QWidget;

namespace vantoro {

class CPropertyItemManager;
class CResourceCompiler;
class CVantoroDoc;
struct CSkinField;

// What the window does with the open project's file: open, save (never over a file another
// program changed, never over a read-only one), save as, close, build, and following
// changes that other programs make to the file. Every command that acts on the project
// first commits what an editor still holds.
class CDocumentCommands : public QObject {
    Q_OBJECT
public:
    CDocumentCommands(QWidget& window, CVantoroDoc& document, CResourceCompiler& compiler,
                      std::function<void()> commitPendingEdit);

    // Before the open project is put away: when it has unsaved changes, asks whether to
    // save them. False when the user cancelled or the save failed.
    bool SaveModified();
    // Loads the project at `path`; false (after telling the user why) when it cannot be
    // read, leaving the open project as it was. The project already open stays as it is.
    bool Open(const QString& path);
    // True when the project was written; a failure or a refusal has been told.
    bool Save();
    // Asks for a file, then writes the project there and goes on with it.
    bool SaveAs();
    bool SaveAs(const QString& path);
    // The Close Project command: asks about unsaved changes first.
    void CloseCommand();
    void Close();
    // Writes the script and tiles from the records in memory and runs the compiler.
    void Build();
    // When the window comes back: a file changed on disk reloads by itself when nothing is
    // unsaved (said in the status bar), and is asked about when something is.
    void FollowDisk();

    // Brings a picture into a bitmap of `sheet`'s element as one undoable step: the row
    // `itemId` when it is a bitmap row, else the element's first bitmap; `image` asked for
    // when empty. False when refused (told) or cancelled.
    // `ask`: show the import dialog (dithering, fitting, a preview) first; a drop does not.
    bool ImportImage(CPropertyItemManager* sheet, int itemId, const QString& image = {},
                     bool ask = true);
    // The "Browse..." of a bitmap row: a BMP of the skin's kind is named as it is (from the
    // project folder), any other picture goes through the importer. False when cancelled.
    bool Browse(CPropertyItemManager* sheet, int itemId);
    // The screen as the layout shows it, with or without the outlines, into a PNG file.
    bool ExportScreen();
    // Recovers the project of the skin database `database` into a folder the user picks;
    // the new project file, or empty when cancelled or refused (told).
    QString UnpackDatabase(const QString& database);

    // How a folder or a file is asked for; tests answer without a dialog. `save`: a file to
    // write; an empty `filter` asks for a folder.
    using PathChooser = std::function<QString(const QString& title, const QString& start,
                                              const QString& filter, bool save)>;
    void SetPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    // How the import dialog is answered: the options, or nothing for Cancel; tests answer
    // without a dialog.
    using OptionsChooser =
        std::function<std::optional<CImportOptions>(const CSkinField& field, const QString& image)>;
    void SetOptionsChooser(OptionsChooser chooser) { m_chooseOptions = std::move(chooser); }

signals:
    // A line for the status bar.
    void Status(const QString& text);

private:
    QString FileName() const;
    // "a.bmp, b.bmp and c.bmp".
    static QString JoinedNames(const QStringList& names);
    // The project's file changed on disk: Overwrite (true), Reload, or Cancel.
    bool ResolveConflict(bool& reloaded);

    QWidget& m_window;
    CVantoroDoc& m_document;
    CResourceCompiler& m_compiler;
    std::function<void()> m_commitPendingEdit;
    PathChooser m_choosePath;
    OptionsChooser m_chooseOptions;
};

}  // namespace vantoro
