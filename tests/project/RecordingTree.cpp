#include "ProjectTestSupport.h"

#include <fstream>
#include <iterator>

namespace vantoro::test {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::Path(const std::string& name) const {
    return m_dir.path().toStdString() + "/" + name;
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    WriteAll(path, bytes);
    return path;
}

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

namespace vantoro::test {

std::string FullProjectText(const std::string& eol) {
    const char* lines[] = {
        "[SkinInfo]",
        "SkinName=Blue",
        "Reso=2",
        "Depth=16",
        "Author=Ann",
        "Comments=Say \"hi\" \\o/",
        "[WallPaper]",
        "Bmp=wall.bmp",
        "[ToolBar]",
        "BmpNormal=tb.bmp",
        "Rect=0,300,320,320",
        "BmpHighlight=tbh.bmp",
        "RectButtonInfo=1,2,3,4",
        "RectButtonBeam=5,6,7,8",
        "RectButtonDelete=9,10,11,12",
        "RectButtonTools=13,14,15,16",
        "[TitleBar]",
        "Rect=0,0,320,30",
        "Bmp=title.bmp",
        "BmpMask=titlemask.bmp",
        "[ToolBarToggler]",
        "Bmp=tog.bmp",
        "BmpMask=togmask.bmp",
        "Rect=300,0,320,20",
        "[ScrollBar]",
        "RectNormal=310,30,320,300",
        "RectMaximized=310,30,320,320",
        "Bmp=scroll.bmp",
        "ButtonTopHeight=11",
        "ButtonCenterHeight=12",
        "ButtonBottomHeight=13",
        "RectThumb=0,40,10,60",
        "ThumbTopHeight=3",
        "ThumbCenterHeight=4",
        "ThumbBottomHeight=5",
        "[MaximizeVuzuRuzIcon]",
        "Bmp=max.bmp",
        "BmpMask=maxmask.bmp",
        "Rect=2,2,18,18",
        "[DateTime]",
        "Rect=100,0,200,30",
        "TextColor=16711680",
        "[Battery]",
        "Rect=280,4,300,26",
        "Bmp=battery.bmp",
        "[Popups]",
        "PtTools=4,296",
        "PtCategory=316,32",
        "MaxSizeCategory=120,200",
        "CategoryTextColor=32768",
        "[AppView]",
        "Rect=0,30,310,300",
        "RectMaximized=0,30,310,320",
        "[Preview]",
        "Preview1=prev.bmp",
        "Preview2=prev2.bmp",
        "[SystemIcons]",
        "BmpCategories=cat.bmp",
        "BmpCategoriesMask=catmask.bmp",
        "BmpPopupTools=tools.bmp",
        "BmpPopupToolsMask=toolsmask.bmp",
        "BmpMiscIcons=misc.bmp",
        "MiscIconsSize=22,18",
    };
    std::string text;
    for (const char* line : lines) text += std::string(line) + eol;
    return text;
}

}  // namespace vantoro::test
