#pragma once

#include <QIcon>

namespace vantoro {

// The six 16x16 images of the elements tree, by index: closed folder, open folder,
// landscape, skin element, property form, picture.
class CTreeImageList {
public:
    enum Index {
        ClosedFolder = 0,
        OpenFolder,
        Landscape,
        SkinElement,
        PropertyForm,
        Picture,
        Count
    };

    // The image at `index`; a null icon outside 0..Count-1.
    static QIcon Image(int index);
};

}  // namespace vantoro
