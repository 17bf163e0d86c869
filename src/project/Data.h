#pragma once

#include <string>

class QPainter;

namespace vantoro {

class CProfileSection;
class CPropertyItemManager;

// Base of the thirteen skin element records. Each kind reads and writes its own
// section of the project file and hands itself to its property sheet.
class CData {
public:
    virtual ~CData() = default;

    // Reads this element's section of `path`. The base only answers whether the file exists.
    virtual bool LoadFromFile(const std::string& path);
    // Writes this element's section into `path`. The base only answers whether the file exists.
    virtual bool SaveToFile(const std::string& path);
    // Copies the fields into the element's own property sheet and links the sheet back.
    virtual void UpdateSheet() = 0;
    // Draws the element's bitmap files, stacked, for the preview.
    virtual void DrawPreview(QPainter& painter);
    // The element's own property sheet.
    virtual CPropertyItemManager& PropertySheet() = 0;

    // Why the last load or save failed (the section and key), or empty.
    const std::string& Failure() const { return m_strFailure; }

protected:
    CData() = default;
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    // The keys of the element's section in file order, read or written as `keys` says.
    virtual void ExchangeKeys(CProfileSection& keys) = 0;

    // The frame of every kind's load and save: the file must exist, the keys go in
    // ExchangeKeys order and the first failure stops; a load that got through ends
    // with UpdateSheet.
    bool LoadSection(const std::string& path, const char* section);
    bool SaveSection(const std::string& path, const char* section);

    std::string m_strFailure;
};

}  // namespace vantoro
