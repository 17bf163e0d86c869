#include "PropertyEditCommand.h"

#include "EditHistory.h"
#include "PropertyItemManager.h"

namespace vantoro {

CPropertyEditCommand::CPropertyEditCommand(CEditHistory& history, CPropertyItemManager& sheet,
                                           uint8_t itemId, CPropertyValue before,
                                           CPropertyValue after, const QString& text)
    : m_history(history),
      m_sheet(sheet),
      m_nItemId(itemId),
      m_before(std::move(before)),
      m_after(std::move(after)) {
    setText(text);
}

void CPropertyEditCommand::undo() {
    Apply(m_before);
    m_bDone = false;
}

void CPropertyEditCommand::redo() {
    // The push itself: the edit that made this command is already in the record.
    if (m_bDone) return;
    Apply(m_after);
    m_bDone = true;
}

void CPropertyEditCommand::Apply(const CPropertyValue& value) {
    if (m_sheet.ApplyValue(m_nItemId, value)) m_history.NotifyValueApplied(&m_sheet, m_nItemId);
}

}  // namespace vantoro
