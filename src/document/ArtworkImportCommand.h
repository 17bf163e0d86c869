#pragma once

#include <QUndoCommand>

#include "ArtworkImport.h"

namespace vantoro {

class CVantoroDoc;

// A picture imported into a bitmap of the skin, as one step: the files it writes (and what
// they held before) and the fields it names them in. Redo writes the files (nothing when
// they already hold the picture) and sets the fields; undo puts back the files' old bytes
// (or removes a file that was not there) and the fields' old values.
class CArtworkImportCommand : public QUndoCommand {
public:
    CArtworkImportCommand(CVantoroDoc& document, CArtworkImport import, const QString& text);

    void undo() override;
    void redo() override;

private:
    void SetFields(bool undo);

    CVantoroDoc& m_document;
    CArtworkImport m_import;
};

}  // namespace vantoro
