#include "EditHistory.h"

#include "PropertyEditCommand.h"
#include "PropertyItem.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {

CEditHistory::CEditHistory(QObject* parent) : QObject(parent) {}

CEditHistory::~CEditHistory() {
    Attach(nullptr);
}

void CEditHistory::Attach(CSkinProject* project) {
    if (m_pProject) m_pProject->SetSheetObserver(nullptr);
    m_pProject = project;
    if (m_pProject) m_pProject->SetSheetObserver(this);
}

void CEditHistory::OnValueCommitted(CPropertyItemManager& sheet, const CPropertyItem& item,
                                    const CPropertyValue& before, const CPropertyValue& after) {
    QString name = m_pProject ? ToQString(m_pProject->ElementName(&sheet)) : QString();
    if (!name.isEmpty()) name += u' ';
    name += ToQString(item.m_strLabel);
    m_stack.push(new CPropertyEditCommand(*this, sheet, item.m_nItemId, before, after, name));
}

}  // namespace vantoro
