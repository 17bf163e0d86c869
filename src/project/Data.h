#pragma once

#include <string>
#include <variant>
#include <vector>

#include "SkinFields.h"

class QPainter;

namespace vantoro {

class CProfileSection;
class CProfileStore;
class CPropertyItemManager;
class IBitmapDrawer;

// Base of the thirteen skin element records. Each kind reads and writes its own
// section of the project file, as the field table lists its keys, and hands itself to
// its property sheet.
class CData {
public:
    virtual ~CData() = default;

    // Reads this element's section of `path` through `store`. The base only answers
    // whether the file exists.
    virtual bool LoadFromFile(CProfileStore& store, const std::string& path);
    // Writes this element's section into `path` through `store`. The base only answers
    // whether the file exists.
    virtual bool SaveToFile(CProfileStore& store, const std::string& path);
    // Copies the fields into the element's own property sheet and links the sheet back.
    virtual void UpdateSheet() = 0;
    // Draws the element's bitmap files, stacked in table order by `drawer`, for the preview.
    virtual void DrawPreview(QPainter& painter, IBitmapDrawer& drawer);
    // The element's own property sheet.
    virtual CPropertyItemManager& PropertySheet() = 0;

    CSkinElement Element() const { return m_element; }
    // Where `field` (one of this element's) lives in this record.
    CFieldRef Field(const CSkinField& field) { return field.Ref(*this); }
    // The value of `field`, read only; T is the field's type (std::string, CRect, ...).
    template <class T>
    const T& Value(const CSkinField& field) const {
        // The table hands out places to write; reading through one changes nothing.
        return *std::get<T*>(const_cast<CData*>(this)->Field(field));
    }

    // The value of `field` as it stands, and a value put in its place.
    CFieldValue Get(const CSkinField& field) const;
    void Set(const CSkinField& field, const CFieldValue& value);
    // The fields that change together with `change` (a choice and the code it stands for),
    // appended to `changes` with the values they take.
    virtual void Derive(const CFieldChange& change, std::vector<CFieldChange>& changes) const;

    // Takes every value of `other` (a record of the same kind), and what it knows of its
    // file, then shows them in the sheet.
    void TakeValuesFrom(CData& other);

    // Why the last load or save failed (the section and key), or empty.
    const std::string& Failure() const { return m_strFailure; }

protected:
    explicit CData(CSkinElement element) : m_element(element) {}
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    // The keys of the element's section in file order, read or written as `keys` says:
    // every field of the table that has a key, but those loaded only when present.
    virtual void ExchangeKeys(CProfileSection& keys);
    // What a record knows of its file beyond its values; TakeValuesFrom carries it over.
    virtual void TakeFileState(const CData&) {}
    // Whether DrawPreview draws `field`'s bitmap.
    virtual bool Draws(const CSkinField&) const { return true; }

    // The frame of every kind's load and save: the file must exist, the keys go in
    // ExchangeKeys order and the first failure stops; a load that got through ends
    // with UpdateSheet.
    bool LoadSection(CProfileStore& store, const std::string& path);
    bool SaveSection(CProfileStore& store, const std::string& path);

    std::string m_strFailure;

private:
    CSkinElement m_element;
};

// The common shape of every record: its sheet first, loaded and saved through the table.
template <CSkinElement Kind, class SheetClass>
class CDataElement : public CData {
public:
    bool LoadFromFile(CProfileStore& store, const std::string& path) override {
        return LoadSection(store, path);
    }
    bool SaveToFile(CProfileStore& store, const std::string& path) override {
        return SaveSection(store, path);
    }
    void UpdateSheet() override { m_Sheet.LoadItems(this); }

    SheetClass& Sheet() { return m_Sheet; }
    const SheetClass& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    CDataElement() : CData(Kind) {}

private:
    SheetClass m_Sheet;
};

}  // namespace vantoro
