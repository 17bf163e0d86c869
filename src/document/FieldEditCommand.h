#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "SkinFields.h"

namespace vantoro {

class CVantoroDoc;

// One change of one or more fields of the document's project (a value typed, a rectangle
// dragged, a choice and the code it stands for): the values before and after. Redo puts
// the new values into the records, undo the old ones; the document tells every view.
class CFieldEditCommand : public QUndoCommand {
public:
    // `nudgedAt`: the time (ms) of a nudge, which later nudges of the same fields within a
    // second join; below 0 for any other change.
    CFieldEditCommand(CVantoroDoc& document, std::vector<CFieldChange> before,
                      std::vector<CFieldChange> after, const QString& text, int64_t nudgedAt);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    static constexpr int kNudgeId = 1;
    static constexpr int64_t kNudgePauseMs = 1000;

private:
    bool SameFields(const CFieldEditCommand& other) const;

    CVantoroDoc& m_document;
    std::vector<CFieldChange> m_before;
    std::vector<CFieldChange> m_after;
    int64_t m_nNudgedAt;
};

}  // namespace vantoro
