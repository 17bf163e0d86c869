#pragma once

#include <string>

namespace vantoro {

class CPropertyItemManager;

// What the project needs of the elements tree: the tree window implements it, so the
// project can fill the tree without knowing any widget.
class IElementsTreeCtrl {
public:
    using Item = void*;  // opaque node handle; nullptr stands for the root

    virtual ~IElementsTreeCtrl() = default;
    virtual void DeleteAllItems() = 0;
    // Appends a node as the last child of `parent` and returns it. `data` is the
    // element's property sheet, or null for a category node.
    virtual Item InsertItem(const std::string& label, int image, int selectedImage,
                            CPropertyItemManager* data, Item parent) = 0;
    virtual void Expand(Item item) = 0;
};

}  // namespace vantoro
