#pragma once

#include <string>
#include <vector>

#include "ElementsTreeCtrl.h"
#include "ProjectObserver.h"
#include "SkinProject.h"

namespace vantoro::test {

// Records what the project does to a tree that follows it.
class RecordingTree : public IElementsTreeCtrl, public IProjectObserver {
public:
    struct Node {
        std::string label;
        int image;
        int selectedImage;
        CPropertyItemManager* data;
        int parent;  // index into nodes, -1 for the root
        bool expanded = false;
    };
    void DeleteAllItems() override;
    Item InsertItem(const std::string& label, int image, int selectedImage,
                    CPropertyItemManager* data, Item parent) override;
    void Expand(Item item) override;
    void OnProjectChanged(CSkinProject& project) override { project.ShowIn(*this); }

    std::vector<Node> nodes;
    int deleteAllCalls = 0;
};

}  // namespace vantoro::test
