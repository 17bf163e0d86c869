#include "Data.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"
#include "ProjectFileAccess.h"

namespace vantoro {

bool CData::LoadFromFile(CProfileStore&, const std::string& path) {
    return ProjectFileExists(path);
}

bool CData::SaveToFile(CProfileStore&, const std::string& path) {
    return ProjectFileExists(path);
}

void CData::DrawPreview(QPainter& painter, IBitmapDrawer& drawer) {
    bool first = true;
    for (const CSkinField* field : CSkinFields::Of(m_element)) {
        if (field->Kind != CFieldKind::Bitmap || !Draws(*field)) continue;
        drawer.DrawBitmap(painter, *std::get<std::string*>(Field(*field)), first);
        first = false;
    }
}

void CData::ExchangeKeys(CProfileSection& keys) {
    for (const CSkinField* field : CSkinFields::Of(m_element)) {
        if (!field->Key || field->KeyOptional) continue;
        const char* readKey = field->ReadKey ? field->ReadKey : field->Key;
        std::visit(
            [&](auto* value) {
                if (keys.Loading())
                    keys.Read(readKey, *value);
                else
                    keys.Write(field->Key, *value);
            },
            Field(*field));
    }
}

CFieldValue CData::Get(const CSkinField& field) const {
    // The table hands out places to write; reading through one changes nothing.
    return std::visit([](auto* value) { return CFieldValue(*value); },
                      const_cast<CData*>(this)->Field(field));
}

void CData::Set(const CSkinField& field, const CFieldValue& value) {
    std::visit(
        [&](auto* place) {
            using T = std::remove_pointer_t<decltype(place)>;
            if (const T* typed = std::get_if<T>(&value)) *place = *typed;
        },
        Field(field));
}

void CData::Derive(const CFieldChange&, std::vector<CFieldChange>&) const {}

void CData::TakeValuesFrom(CData& other) {
    for (const CSkinField* field : CSkinFields::Of(m_element))
        std::visit(
            [&](auto* value) {
                using T = std::remove_pointer_t<decltype(value)>;
                *value = *std::get<T*>(other.Field(*field));
            },
            Field(*field));
    TakeFileState(other);
    UpdateSheet();
}

bool CData::LoadSection(CProfileStore& store, const std::string& path) {
    CProfileSection keys(store, path, CSkinFields::Element(m_element).Section,
                         CProfileSection::Mode::Load, m_strFailure);
    if (!keys.Exists()) return false;
    ExchangeKeys(keys);
    if (!keys.Ok()) return false;
    UpdateSheet();
    return true;
}

bool CData::SaveSection(CProfileStore& store, const std::string& path) {
    CProfileSection keys(store, path, CSkinFields::Element(m_element).Section,
                         CProfileSection::Mode::Save, m_strFailure);
    if (!keys.Exists()) return false;
    ExchangeKeys(keys);
    return keys.Ok();
}

}  // namespace vantoro
