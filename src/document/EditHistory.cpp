#include "EditHistory.h"

#include <QElapsedTimer>

#include "PropertyEditCommand.h"
#include "PropertyItem.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {

CEditHistory::CEditHistory(QObject* parent)
    : QObject(parent), m_clock([] {
          static const QElapsedTimer started = [] {
              QElapsedTimer timer;
              timer.start();
              return timer;
          }();
          return started.elapsed();
      }) {}

CEditHistory::~CEditHistory() {
    Attach(nullptr);
}

void CEditHistory::Attach(CSkinProject* project) {
    if (m_pProject) m_pProject->SetSheetObserver(nullptr);
    m_pProject = project;
    if (m_pProject) m_pProject->SetSheetObserver(this);
}

std::string CEditHistory::Refusal(const CPropertyItemManager& sheet, const CPropertyItem& item,
                                  const CPropertyValue& value) {
    const std::optional<CSkinElement> element = sheet.SkinElement();
    if (!m_pProject || !element) return {};
    return CRuleBook::Refusal(*m_pProject, *element, item.m_nItemId, value);
}

void CEditHistory::OnRefused(const CPropertyItemManager&, const CPropertyItem&,
                             const std::string& reason) {
    emit Refused(ToQString(reason));
}

bool CEditHistory::OnValueCommitted(CPropertyItemManager& sheet, const CPropertyItem& item,
                                    const CPropertyValue& before, const CPropertyValue& after) {
    QString name = m_pProject ? ToQString(m_pProject->ElementName(&sheet)) : QString();
    if (!name.isEmpty()) name += u' ';
    name += ToQString(item.m_strLabel);
    const int64_t nudgedAt = m_bNudging ? m_clock() : -1;
    m_stack.push(
        new CPropertyEditCommand(*this, sheet, item.m_nItemId, before, after, name, nudgedAt));
    return true;
}

}  // namespace vantoro
