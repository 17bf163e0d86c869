#pragma once

class QPainter;

namespace vantoro {

class CData;

// Base of the element property sheets: the rows of one element, linked back to the
// element record they were loaded from. A sheet that was never loaded shows and
// draws nothing.
class CPropertyItemManager {
public:
    virtual ~CPropertyItemManager() = default;

    // Copies the element's fields into the rows and remembers the element.
    virtual void LoadItems(CData* element);
    // Draws the linked element's bitmaps for the preview; nothing when unlinked.
    void DrawElement(QPainter& painter);

    CData* Element() const { return m_pElement; }

protected:
    CPropertyItemManager() = default;
    CPropertyItemManager(const CPropertyItemManager&) = delete;
    CPropertyItemManager& operator=(const CPropertyItemManager&) = delete;

    CData* m_pElement = nullptr;
};

}  // namespace vantoro
