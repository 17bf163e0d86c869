#pragma once

#include <string>

#include "Geometry.h"
#include "PropertyItemManager.h"

namespace vantoro {

// The rows shared by the tool bar toggler and the maximize icon, whose records both
// hold a bitmap, its mask and a rectangle: rows 1, 2 and 3 under one category. Only
// the labels differ.
class CMaskedBitmapPIM : public CPropertyItemManager {
protected:
    CMaskedBitmapPIM(const char* category, const char* maskLabel);

    void ExchangeBitmapRows(std::string& bmp, std::string& bmpMask, CRect& rect,
                            CPropertyExchange& exchange);
};

}  // namespace vantoro
