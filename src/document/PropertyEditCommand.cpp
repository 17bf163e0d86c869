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
