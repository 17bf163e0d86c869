#pragma once

#include <QUndoCommand>

#include "ArtworkImport.h"

namespace vantoro {

class CEditHistory;
class CSkinProject;

// A picture imported into a bitmap of the skin, as one step: the files it wrote (and what
// they held before) and the fields it named them in. The files are written before the
// command is pushed; undo puts back their old bytes (or removes a file that was not there)
// and the fields' old values, redo writes them again.
class CArtworkImportCommand : public QUndoCommand {
public:
    CArtworkImportCommand(CEditHistory& history, CSkinProject& project, CArtworkImport import,
                          const QString& text);

    void undo() override;
    void redo() override;

private:
    void SetFields(bool undo);

    CEditHistory& m_history;
    CSkinProject& m_project;
    CArtworkImport m_import;
    bool m_bPushed = false;
};

}  // namespace vantoro
