#include "PropertyEditCommand.h"

#include "EditHistory.h"
#include "PropertyItemManager.h"

namespace vantoro {

CPropertyEditCommand::CPropertyEditCommand(CEditHistory& history, CPropertyItemManager& sheet,
                                           uint8_t itemId, CPropertyValue before,
                                           CPropertyValue after, const QString& text,
                                           int64_t nudgedAt)
    : m_history(history),
      m_sheet(sheet),
      m_nItemId(itemId),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_nNudgedAt(nudgedAt) {
    setText(text);
}

int CPropertyEditCommand::id() const {
    return m_nNudgedAt >= 0 ? kNudgeId : -1;
}

bool CPropertyEditCommand::mergeWith(const QUndoCommand* other) {
    // Arrow keys held or tapped on one rectangle are one step until the user pauses.
    const auto* next = dynamic_cast<const CPropertyEditCommand*>(other);
    if (!next || next->m_nNudgedAt < 0 || &next->m_sheet != &m_sheet ||
        next->m_nItemId != m_nItemId || next->m_nNudgedAt - m_nNudgedAt > kNudgePauseMs)
        return false;
    m_after = next->m_after;
    m_nNudgedAt = next->m_nNudgedAt;
    // Nudged back to where it started: no step at all.
    if (m_after == m_before) setObsolete(true);
    return true;
}

void CPropertyEditCommand::undo() {
    Apply(m_before, true);
}

void CPropertyEditCommand::redo() {
    // The push itself happens where the user is looking: nothing to show.
    Apply(m_after, m_bPushed);
    m_bPushed = true;
}

void CPropertyEditCommand::Apply(const CPropertyValue& value, bool show) {
    if (m_sheet.ApplyValue(m_nItemId, value) && show)
        m_history.NotifyValueApplied(&m_sheet, m_nItemId);
}

}  // namespace vantoro
