#pragma once

#include <QUndoCommand>
#include <string>
#include <vector>

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

    // The files the step writes.
    std::vector<std::string> Paths() const;
    // The next undo or redo leaves `paths` as they are (another program's files, kept).
    void KeepOnce(std::vector<std::string> paths) { m_keep = std::move(paths); }

    void undo() override;
    void redo() override;

private:
    void Step(bool undo);

    CVantoroDoc& m_document;
    CArtworkImport m_import;
    std::vector<std::string> m_keep;
};

}  // namespace vantoro
