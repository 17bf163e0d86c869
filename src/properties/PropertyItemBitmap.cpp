#include "PropertyItemBitmap.h"

#include "InPlaceTextEditor.h"

namespace vantoro {

void CPropertyItemBitmap::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    ShowLoadedEditor<IInPlaceTextEditor>(list, kEditorClass, cell, load,
                                         [this](auto& editor) { editor.SetText(m_strValue); });
}

}  // namespace vantoro
