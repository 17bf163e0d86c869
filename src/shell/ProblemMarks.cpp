#include "ProblemMarks.h"

#include "PropertyItemManager.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "TextCodec.h"

namespace vantoro {

CProblemMarks::CProblemMarks(CSkinProject& project, const std::vector<CSkinProblem>& problems) {
    for (const CSkinProblem& problem : problems) {
        const CPlace place = PlaceOf(project, problem);
        if (!place.Sheet) continue;
        const QString text = MessageToQString(problem.Message);
        Add(m_rows[place.Sheet][place.ItemId], problem, text);
        Add(m_elements[place.Sheet], problem,
            MessageToQString(problem.Where()) + QStringLiteral(": ") + text);
    }
}

void CProblemMarks::Add(CPropertyRowMark& mark, const CSkinProblem& problem, const QString& text) {
    if (!mark.Text.isEmpty()) mark.Text += u'\n';
    mark.Text += text;
    mark.Error = mark.Error || problem.IsError();
}

QHash<int, CPropertyRowMark> CProblemMarks::Rows(const CPropertyItemManager* sheet) const {
    return m_rows.value(sheet);
}

CProblemMarks::CPlace CProblemMarks::PlaceOf(CSkinProject& project, const CSkinProblem& problem) {
    const CSkinField* field = CSkinFields::Find(problem.Element);
    if (!field) return {};
    CPlace place;
    place.Sheet = &project.Element(field->Element).PropertySheet();
    place.ItemId = problem.ItemId ? problem.ItemId : field->Rows[0].ItemId;
    return place;
}

}  // namespace vantoro
