#include "DecodedBitmap.h"

namespace vantoro {

CResult<std::shared_ptr<const CDecodedBitmap>> CDecodedBitmap::Read(const std::string& path) {
    std::shared_ptr<CDecodedBitmap> bitmap(new CDecodedBitmap());
    if (!bitmap->m_dib.Load(path)) return Fail(bitmap->m_dib.LastError());
    return std::shared_ptr<const CDecodedBitmap>(std::move(bitmap));
}

const QImage& CDecodedBitmap::Image() const {
    std::call_once(m_imageMade, [this] { m_image = m_dib.ToImage(); });
    return m_image;
}

}  // namespace vantoro
