#include "ArtworkImportCommand.h"

#include "ArtworkImporter.h"
#include "EditHistory.h"
#include "PropertyItemManager.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {

CArtworkImportCommand::CArtworkImportCommand(CEditHistory& history, CSkinProject& project,
                                             CArtworkImport import, const QString& text)
    : m_history(history), m_project(project), m_import(std::move(import)) {
    setText(text);
}

void CArtworkImportCommand::SetFields(bool undo) {
    for (const CImportedField& changed : m_import.Fields) {
        CPropertyItemManager& sheet = m_project.Element(changed.Field->Element).PropertySheet();
        sheet.ApplyValue(changed.Field->Rows[0].ItemId, undo ? changed.OldValue : changed.NewValue);
    }
    // The pictures changed, whatever the fields did.
    m_history.OnRefreshView();
}

void CArtworkImportCommand::undo() {
    std::string error;
    if (!CArtworkImporter::Undo(m_import, &error)) m_history.NotifyStepFailed(ToQString(error));
    SetFields(true);
}

void CArtworkImportCommand::redo() {
    // The push itself: the files are already written.
    if (m_bPushed) {
        std::string error;
        if (!CArtworkImporter::Write(m_import, &error))
            m_history.NotifyStepFailed(ToQString(error));
    }
    m_bPushed = true;
    SetFields(false);
}

}  // namespace vantoro
