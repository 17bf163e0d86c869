#include "ArtworkImportCommand.h"

#include <algorithm>

#include "FileSetWriter.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {

CArtworkImportCommand::CArtworkImportCommand(CVantoroDoc& document, CArtworkImport import,
                                             const QString& text)
    : m_document(document), m_import(std::move(import)) {
    setText(text);
}

std::vector<std::string> CArtworkImportCommand::Paths() const {
    std::vector<std::string> paths;
    for (const CImportedFile& file : m_import.Files) paths.push_back(file.Path);
    return paths;
}

void CArtworkImportCommand::Step(bool undo) {
    std::vector<CFileState> wanted;
    for (const CImportedFile& file : m_import.Files) {
        if (std::find(m_keep.begin(), m_keep.end(), file.Path) != m_keep.end()) continue;
        wanted.push_back(undo ? CFileState{file.Path, file.Existed, file.OldBytes}
                              : CFileState{file.Path, true, file.NewBytes});
    }
    m_keep.clear();
    std::string error;
    if (!m_document.PutPictures(m_import.Project, wanted, &error))
        m_document.ReportStepFailure(MessageToQString(error));
    std::vector<CFieldChange> changes;
    for (const CImportedField& changed : m_import.Fields)
        changes.push_back({changed.Field, undo ? changed.OldValue : changed.NewValue});
    m_document.PutValues(changes);
    // The pictures changed, whatever the fields did.
    m_document.PicturesChanged(*m_import.Field);
}

void CArtworkImportCommand::undo() {
    Step(true);
}

void CArtworkImportCommand::redo() {
    Step(false);
}

}  // namespace vantoro
