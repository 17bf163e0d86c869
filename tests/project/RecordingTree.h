#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ElementsTreeCtrl.h"

namespace vantoro::test {

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

// A folder of its own for one test, removed afterwards.
class TempFolder {
public:
    std::string Path(const std::string& name) const;
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    QTemporaryDir m_dir;
};

// Records what the project does to its tree.
class RecordingTree : public IElementsTreeCtrl {
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

    std::vector<Node> nodes;
    int deleteAllCalls = 0;
};

}  // namespace vantoro::test

namespace vantoro::test {

// A complete project file with a distinct value for every key, lines ended with `eol`.
std::string FullProjectText(const std::string& eol = "\r\n");

}  // namespace vantoro::test
