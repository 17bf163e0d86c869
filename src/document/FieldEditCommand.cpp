#include "FieldEditCommand.h"

#include "VantoroDoc.h"

namespace vantoro {

CFieldEditCommand::CFieldEditCommand(CVantoroDoc& document, std::vector<CFieldChange> before,
                                     std::vector<CFieldChange> after, const QString& text,
                                     int64_t nudgedAt)
    : m_document(document),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_nNudgedAt(nudgedAt) {
    setText(text);
}

int CFieldEditCommand::id() const {
    return m_nNudgedAt >= 0 ? kNudgeId : -1;
}

bool CFieldEditCommand::SameFields(const CFieldEditCommand& other) const {
    if (other.m_after.size() != m_after.size()) return false;
    for (size_t i = 0; i < m_after.size(); ++i)
        if (other.m_after[i].Field != m_after[i].Field) return false;
    return true;
}

bool CFieldEditCommand::mergeWith(const QUndoCommand* other) {
    // Arrow keys held or tapped on one rectangle are one step until the user pauses.
    const auto* next = dynamic_cast<const CFieldEditCommand*>(other);
    if (!next || next->m_nNudgedAt < 0 || !SameFields(*next) ||
        next->m_nNudgedAt - m_nNudgedAt > kNudgePauseMs)
        return false;
    m_after = next->m_after;
    m_nNudgedAt = next->m_nNudgedAt;
    // Nudged back to where it started: no step at all.
    bool same = true;
    for (size_t i = 0; i < m_after.size(); ++i)
        same = same && m_after[i].Value == m_before[i].Value;
    if (same) setObsolete(true);
    return true;
}

void CFieldEditCommand::undo() {
    m_document.PutValues(m_before);
}

void CFieldEditCommand::redo() {
    m_document.PutValues(m_after);
}

}  // namespace vantoro
