#include "DataAppList.h"

#include "ProfileSection.h"

namespace vantoro {

void CDataAppList::ExchangeKeys(CProfileSection& keys) {
    CData::ExchangeKeys(keys);
    // The text colour is edited and built like any other value, so it must survive a
    // save. Files without its key keep their bytes until the colour is actually changed.
    if (keys.Loading()) {
        if (keys.Ok()) {
            m_bTextColorInFile = keys.ReadOptional("TextColor", TextColor);
            m_crLoadedTextColor = TextColor;
        }
    } else if (m_bTextColorInFile || TextColor != m_crLoadedTextColor) {
        keys.Write("TextColor", TextColor);
        m_bTextColorInFile = keys.Ok();
    }
}

void CDataAppList::TakeFileState(const CData& other) {
    const auto& list = static_cast<const CDataAppList&>(other);
    m_bTextColorInFile = list.m_bTextColorInFile;
    m_crLoadedTextColor = list.m_crLoadedTextColor;
}

}  // namespace vantoro
