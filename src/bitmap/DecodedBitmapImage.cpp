// The picture of a CDecodedBitmap, in a file of its own: only what paints it needs Qt Gui.

#include <QImage>

#include "DecodedBitmap.h"

namespace vantoro {

const QImage& CDecodedBitmap::Image() const {
    std::call_once(m_imageMade,
                   [this] { m_image = std::make_shared<const QImage>(m_dib.ToImage()); });
    return *m_image;
}

}  // namespace vantoro
