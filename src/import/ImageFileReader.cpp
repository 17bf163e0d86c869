#include "ImageFileReader.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "TextCodec.h"

namespace vantoro {
namespace {

std::string SizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

}  // namespace

bool CImageFileReader::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CImageFileReader::Read(const std::string& path, int maxSide, QImage& image) {
    m_lastError.clear();
    const std::string quoted = "The image '" + path + "'";
    const QString name = PathToQString(path);
    const QFileInfo info(name);
    if (!info.exists()) return Fail(quoted + " does not exist.");
    if (!info.isFile()) return Fail(quoted + " is not a file.");
    QImageReader reader(name);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return Fail(quoted + " cannot be read: " + reader.errorString().toStdString() + ".");
    auto tooLarge = [&](QSize size) { return size.width() > maxSide || size.height() > maxSide; };
    const QSize announced = reader.size();
    if (announced.isValid() && tooLarge(announced))
        return Fail(quoted + " is " + SizeText(announced.width(), announced.height()) +
                    " pixels; a skin bitmap is at most " + SizeText(maxSide, maxSide) + ".");
    QImage read;
    if (!reader.read(&read))
        return Fail(quoted + " cannot be read: " + reader.errorString().toStdString() + ".");
    if (read.isNull() || read.width() <= 0 || read.height() <= 0)
        return Fail(quoted + " holds no pixels.");
    if (tooLarge(read.size()))
        return Fail(quoted + " is " + SizeText(read.width(), read.height()) +
                    " pixels; a skin bitmap is at most " + SizeText(maxSide, maxSide) + ".");
    image = read.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return Fail(quoted + " is too large to convert.");
    return true;
}

}  // namespace vantoro
