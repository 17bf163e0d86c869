#pragma once

#include <QUndoCommand>
#include <cstdint>

#include "PropertyValue.h"

namespace vantoro {

class CEditHistory;
class CPropertyItemManager;

// One committed change of one row: the sheet, the row's number, the value before and
// after. Pushing it makes the change; undo and redo make it again and say so, so the
// windows can show where.
class CPropertyEditCommand : public QUndoCommand {
public:
    // `nudgedAt`: the time (ms) of a nudge, which later nudges of the same row within a
    // second join; below 0 for any other change.
    CPropertyEditCommand(CEditHistory& history, CPropertyItemManager& sheet, uint8_t itemId,
                         CPropertyValue before, CPropertyValue after, const QString& text,
                         int64_t nudgedAt = -1);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    static constexpr int kNudgeId = 1;
    static constexpr int64_t kNudgePauseMs = 1000;

private:
    void Apply(const CPropertyValue& value, bool show);

    CEditHistory& m_history;
    CPropertyItemManager& m_sheet;
    uint8_t m_nItemId;
    CPropertyValue m_before;
    CPropertyValue m_after;
    bool m_bPushed = false;
    int64_t m_nNudgedAt;
};

}  // namespace vantoro
