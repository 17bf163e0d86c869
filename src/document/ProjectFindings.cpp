#include "ProjectFindings.h"

#include "RuleBook.h"
#include "SkinProject.h"

namespace vantoro {

void CProjectFindings::UpdateAll(const CSkinProject& project) {
    CRuleBook rules(m_bitmaps);
    // The project file is read once for all thirteen elements, not once for each.
    const CRuleBook::CFileText text =
        project.IsLoaded ? CRuleBook::FileTextOf(project) : CRuleBook::CFileText{};
    for (const CSkinElementInfo& info : CSkinFields::Elements())
        m_byElement[size_t(info.Element)] = project.IsLoaded
                                                ? rules.CheckElement(project, info.Element, text)
                                                : std::vector<CSkinProblem>();
    Join();
}

void CProjectFindings::Update(const CSkinProject& project, CSkinElement element) {
    if (element == CSkinElement::SkinInfo || !project.IsLoaded) return UpdateAll(project);
    m_byElement[size_t(element)] = CRuleBook(m_bitmaps).CheckElement(project, element);
    Join();
}

void CProjectFindings::Join() {
    m_all.clear();
    for (const std::vector<CSkinProblem>& found : m_byElement)
        m_all.insert(m_all.end(), found.begin(), found.end());
}

}  // namespace vantoro
