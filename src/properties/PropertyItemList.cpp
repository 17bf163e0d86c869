#include "PropertyItemList.h"

#include "ValuePainter.h"

namespace vantoro {

const char* CPropertyItemList::GetChoiceText(int32_t) const {
    return nullptr;
}

int CPropertyItemList::ChoiceCount() const {
    int count = 0;
    while (GetChoiceText(count)) ++count;
    return count;
}

void CPropertyItemList::DrawValue(IValuePainter& painter, const QRect& cell) const {
    if (const char* text = GetChoiceText(m_nSelected)) painter.Text(cell, text);
}

std::vector<std::string> CPropertyItemList::Choices() const {
    std::vector<std::string> texts;
    for (int i = 0; const char* text = GetChoiceText(i); ++i) texts.emplace_back(text);
    return texts;
}

void CPropertyItemList::SetValue(const CPropertyValue& value) {
    if (auto* index = std::get_if<int32_t>(&value)) m_nSelected = *index;
}

}  // namespace vantoro
