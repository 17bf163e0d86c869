#pragma once

#include <string>

class QPainter;

namespace vantoro {

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

    // Why the last LoadFromFile failed: the section and key, or empty.
    const std::string& LoadFailure() const { return m_strLoadFailure; }

protected:
    CData() = default;
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    std::string m_strLoadFailure;
};

}  // namespace vantoro
