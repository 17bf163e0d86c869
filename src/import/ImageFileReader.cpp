#include "ImageFileReader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "BmpReader.h"

namespace vantoro {
namespace {

std::string SizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

struct CPngAnimation {
    uint32_t Frames = 0;       // 0: not animated
    bool StillIsFirst = true;  // the picture shown without animation is its first frame
};

uint32_t BigEndian32(const QByteArray& bytes, qsizetype at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
}

// An animated PNG announces itself in an "acTL" chunk before the image data; Qt reads
// only the still picture and counts one. A frame control chunk ahead of the data makes
// that picture the first frame. The reader's place in the file is kept.
CPngAnimation PngAnimation(QIODevice& file) {
    CPngAnimation animation;
    const qint64 at = file.pos();
    struct CPutBack {
        QIODevice& File;
        qint64 At;
        ~CPutBack() { File.seek(At); }
    } putBack{file, at};
    if (!file.seek(0)) return animation;
    if (file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8)) return animation;
    bool control = false;
    for (;;) {
        const QByteArray head = file.read(8);
        if (head.size() < 8) break;
        const uint32_t length = BigEndian32(head, 0);
        const QByteArray type = head.mid(4, 4);
        if (type == "IDAT" || type == "IEND") break;
        if (type == "acTL" || type == "fcTL") {
            const QByteArray data = file.read(4);
            if (data.size() < 4) break;
            if (type == "acTL") animation.Frames = BigEndian32(data, 0);
            if (type == "fcTL") control = true;
            // The rest of the data, and the checksum.
            if (!file.seek(file.pos() + qint64(length))) break;
        } else if (!file.seek(file.pos() + qint64(length) + 4)) {
            break;
        }
    }
    animation.StillIsFirst = control;
    return animation;
}

// What a BMP file lacks, as our own reader would find it: Qt's reader fills rows the file
// does not hold with white or black and calls it a picture.
std::string BmpShortfall(QIODevice& file) {
    const qint64 size = file.size(), at = file.pos();
    if (!file.seek(0)) return {};
    const QByteArray head = file.read(qint64(BmpReader::kShortfallHead));
    file.seek(at);
    return BmpReader::Shortfall(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(head.constData()),
                                 size_t(head.size())),
        uint64_t(size < 0 ? 0 : size));
}

}  // namespace

std::vector<std::string> CImageFileReader::Kinds() {
    std::vector<std::string> kinds;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString name = QString::fromLatin1(format).toLower();
        // Other names of a kind listed anyway, and drawings, which Read refuses.
        if (name == QStringLiteral("jpg") || name == QStringLiteral("tif") ||
            name == QStringLiteral("svg") || name == QStringLiteral("svgz"))
            continue;
        kinds.push_back(name == QStringLiteral("webp") ? std::string("WebP")
                                                       : name.toUpper().toStdString());
    }
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    return kinds;
}

bool CImageFileReader::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CImageFileReader::Read(const std::string& path, int maxSide, QImage& image) {
    m_lastError.clear();
    m_animationNote.clear();
    const std::string quoted = "The image '" + path + "'";
    // The name goes to the system as the bytes it came in: text made of it would lose a
    // name that is not valid UTF-8 ("caf\xE9") and name another file, or none.
    const std::filesystem::path name(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(name, ec);
    if (!std::filesystem::exists(status)) return Fail(quoted + " does not exist.");
    // A pipe or a device would be waited on for ever; only a regular file is read.
    if (!std::filesystem::is_regular_file(status)) return Fail(quoted + " is not a regular file.");
    std::FILE* handle = std::fopen(path.c_str(), "rb");
    QFile file;
    if (!handle)
        return Fail(quoted + " cannot be opened: " + std::generic_category().message(errno) + ".");
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(handle);
        return Fail(quoted + " cannot be opened: " + file.errorString().toStdString() + ".");
    }
    // The name's ending guides the reader first, as it would with the file's name.
    std::string suffix = name.extension().string();
    if (!suffix.empty()) suffix.erase(0, 1);
    QImageReader reader(&file, QByteArray::fromStdString(suffix).toLower());
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return Fail(quoted + " cannot be read: " + reader.errorString().toStdString() + ".");
    auto tooLarge = [&](QSize size) { return size.width() > maxSide || size.height() > maxSide; };
    const QSize announced = reader.size();
    if (announced.isValid() && tooLarge(announced))
        return Fail(quoted + " is " + SizeText(announced.width(), announced.height()) +
                    " pixels; a skin bitmap is at most " + SizeText(maxSide, maxSide) + ".");
    // Counted before the read, which leaves the reader at the next frame.
    const QString format = QString::fromLatin1(reader.format()).toLower();
    // A drawing, not a picture: its drawing time has no bound a size could give.
    if (format == QStringLiteral("svg") || format == QStringLiteral("svgz"))
        return Fail(quoted +
                    " is an SVG drawing, which can take any time to draw; export it as a PNG "
                    "first.");
    if (format == QStringLiteral("bmp"))
        if (const std::string shortfall = BmpShortfall(file); !shortfall.empty())
            return Fail(quoted + " cannot be read: " + shortfall + ".");
    int frames = reader.supportsAnimation() ? reader.imageCount() : 1;
    bool stillIsFirst = true;
    if (format == QStringLiteral("png")) {
        const CPngAnimation png = PngAnimation(file);
        if (png.Frames > 1) frames = int(std::min<uint32_t>(png.Frames, INT32_MAX));
        stillIsFirst = png.StillIsFirst;
    }
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
    if (frames > 1)
        m_animationNote = quoted + " is an animation of " + std::to_string(frames) + " frames; " +
                          (stillIsFirst ? "the first frame was taken."
                                        : "the still picture it holds for programs that do not "
                                          "animate was taken, not a frame.");
    return true;
}

}  // namespace vantoro
