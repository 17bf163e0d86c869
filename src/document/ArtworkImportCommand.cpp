#include "ArtworkImportCommand.h"

#include "ArtworkImporter.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {

CArtworkImportCommand::CArtworkImportCommand(CVantoroDoc& document, CArtworkImport import,
                                             const QString& text)
    : m_document(document), m_import(std::move(import)) {
    setText(text);
}

void CArtworkImportCommand::SetFields(bool undo) {
    std::vector<CFieldChange> changes;
    for (const CImportedField& changed : m_import.Fields)
        changes.push_back({changed.Field, undo ? changed.OldValue : changed.NewValue});
    m_document.PutValues(changes);
    // The pictures changed, whatever the fields did.
    m_document.PicturesChanged(*m_import.Field);
}

void CArtworkImportCommand::undo() {
    std::string error;
    if (!CArtworkImporter::Undo(m_import, &error)) m_document.ReportStepFailure(ToQString(error));
    SetFields(true);
}

void CArtworkImportCommand::redo() {
    std::string error;
    if (!CArtworkImporter::Write(m_import, &error)) m_document.ReportStepFailure(ToQString(error));
    SetFields(false);
}

}  // namespace vantoro
