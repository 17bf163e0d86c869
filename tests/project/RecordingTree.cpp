#include "RecordingTree.h"

#include <cstdint>

namespace vantoro::test {

void RecordingTree::DeleteAllItems() {
    nodes.clear();
    ++deleteAllCalls;
}

IElementsTreeCtrl::Item RecordingTree::InsertItem(const std::string& label, int image,
                                                  int selectedImage, CPropertyItemManager* data,
                                                  Item parent) {
    const int parentIndex = parent ? int(reinterpret_cast<intptr_t>(parent)) - 1 : -1;
    nodes.push_back(Node{label, image, selectedImage, data, parentIndex});
    return reinterpret_cast<Item>(intptr_t(nodes.size()));
}

void RecordingTree::Expand(Item item) {
    nodes[size_t(reinterpret_cast<intptr_t>(item)) - 1].expanded = true;
}

}  // namespace vantoro::test
