#include "TbmpEncoder.h"

#include <algorithm>
#include <memory>

#include "ByteWriter.h"
#include "RowConverter.h"

namespace brres {
namespace {

constexpr uint16_t kDirectColourFlag = 0x0400;
constexpr size_t kHeaderSize = 16;
constexpr size_t kDirectInfoSize = 8;
// Rows are converted into a buffer of about this size and handed on together.
constexpr size_t kChunkSize = 64 * 1024;

class VectorSink : public ByteSink {
public:
    explicit VectorSink(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    void Write(const uint8_t* data, size_t size) override {
        bytes_.insert(bytes_.end(), data, data + size);
    }

private:
    std::vector<uint8_t>& bytes_;
};

}  // namespace

bool TbmpEncoder::IsSupportedDepth(int depth) {
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

uint16_t TbmpEncoder::RowBytes(int width, int depth) {
    return static_cast<uint16_t>(
        ((static_cast<uint32_t>(width) * static_cast<uint32_t>(depth) + 15) & ~15u) / 8);
}

size_t TbmpEncoder::EncodedSize(int width, int height, int depth) {
    return kHeaderSize + (depth == 16 ? kDirectInfoSize : 0) +
           size_t(RowBytes(width, depth)) * size_t(height);
}

void TbmpEncoder::WriteHeader(int width, int height, int depth, ByteSink& sink) {
    const bool direct = depth == 16;
    ByteWriter header;
    header.U16(static_cast<uint16_t>(width));
    header.U16(static_cast<uint16_t>(height));
    header.U16(RowBytes(width, depth));
    header.U16(direct ? kDirectColourFlag : 0);
    header.U8(static_cast<uint8_t>(depth));
    header.U8(depth >= 8 ? 2 : 1);  // version
    header.U16(0);                  // next depth offset
    header.U8(0);                   // transparent index
    header.U8(0);                   // compression type
    header.U16(0);                  // reserved
    if (direct) {
        header.U8(5);   // red bits
        header.U8(6);   // green bits
        header.U8(5);   // blue bits
        header.U8(0);   // reserved
        header.U32(0);  // transparent colour: none
    }
    sink.Write(header.Buffer().data(), header.Size());
}

void TbmpEncoder::Encode(const vantoro::PixelRows& pixels, int depth, ByteSink& sink) {
    WriteHeader(pixels.width, pixels.height, depth, sink);
    if (pixels.width <= 0 || pixels.height <= 0) return;
    const size_t rowBytes = RowBytes(pixels.width, depth);
    const int rowsPerChunk =
        static_cast<int>(std::clamp<size_t>(kChunkSize / rowBytes, 1, size_t(pixels.height)));
    // Every byte is written by the converter: nothing to clear.
    const std::unique_ptr<uint8_t[]> chunk(new uint8_t[rowBytes * size_t(rowsPerChunk)]);
    RowConverter converter(pixels, depth);
    for (int y = 0; y < pixels.height;) {
        const int rows = std::min(rowsPerChunk, pixels.height - y);
        for (int i = 0; i < rows; ++i, ++y)
            converter.Convert(y, chunk.get() + size_t(i) * rowBytes);
        sink.Write(chunk.get(), size_t(rows) * rowBytes);
    }
}

std::vector<uint8_t> TbmpEncoder::Encode(const vantoro::RgbImage& image, int depth) {
    std::vector<uint8_t> bytes;
    bytes.reserve(EncodedSize(image.Width(), image.Height(), depth));
    VectorSink sink(bytes);
    Encode(image.Rows(), depth, sink);
    return bytes;
}

}  // namespace brres
