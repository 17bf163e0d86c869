#include "PalmBitmapWriter.h"

#include <algorithm>
#include <cstring>

namespace vantoro::test {
namespace {

void Put16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void Put32(Bytes& out, uint32_t v) {
    Put16(out, v >> 16);
    Put16(out, v & 0xFFFF);
}

uint8_t CompressionType(Packing packing) {
    switch (packing) {
        case Packing::ScanLine:
            return 0;
        case Packing::Rle:
            return 1;
        case Packing::PackBits:
            return 2;
        case Packing::None:
            break;
    }
    return 0xFF;
}

size_t Padded(size_t size) {
    return (size + 3) & ~size_t(3);
}

}  // namespace

std::vector<uint16_t> PalmBitmapRecipe::Pattern(int width, int height, int depth) {
    std::vector<uint16_t> values;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Runs of three across, a band that moves every other row, a sprinkle of change.
            const unsigned v = unsigned(x / 3 + (y / 2) * 5 + ((x * y) % 7 == 0 ? 1 : 0));
            values.push_back(depth == 16 ? uint16_t(v * 2113u + unsigned(y) * 977u)
                                         : uint16_t(v % (1u << depth)));
        }
    return values;
}

int PalmBitmapWriter::RowBytes(int width, int depth) {
    return ((width * depth + 15) / 16) * 2;
}

Bytes PalmBitmapWriter::Rows(const PalmBitmapRecipe& s) {
    const int rowBytes = RowBytes(s.width, s.depth);
    Bytes rows(size_t(rowBytes) * size_t(s.height), 0);
    for (int y = 0; y < s.height; ++y) {
        uint8_t* row = rows.data() + size_t(y) * size_t(rowBytes);
        for (int x = 0; x < s.width; ++x) {
            const uint16_t v = s.values[size_t(y) * size_t(s.width) + size_t(x)];
            if (s.depth == 16) {
                row[2 * x] = uint8_t(s.littleEndian ? v : v >> 8);
                row[2 * x + 1] = uint8_t(s.littleEndian ? v >> 8 : v);
                continue;
            }
            const int bit = x * s.depth;
            const int shift = s.littleEndian ? bit % 8 : 8 - s.depth - bit % 8;
            row[bit / 8] |= uint8_t(v << shift);
        }
    }
    return rows;
}

Bytes PalmBitmapWriter::ScanLine(const Bytes& rows, int rowBytes) {
    Bytes out;
    for (size_t start = 0; start < rows.size(); start += size_t(rowBytes)) {
        for (int group = 0; group < rowBytes; group += 8) {
            const int count = std::min(8, rowBytes - group);
            uint8_t mask = 0;
            Bytes stored;
            for (int k = 0; k < count; ++k) {
                const size_t at = start + size_t(group + k);
                if (start == 0 || rows[at] != rows[at - size_t(rowBytes)]) {
                    mask |= uint8_t(0x80 >> k);
                    stored.push_back(rows[at]);
                }
            }
            out.push_back(mask);
            out.insert(out.end(), stored.begin(), stored.end());
        }
    }
    return out;
}

Bytes PalmBitmapWriter::Rle(const Bytes& rows, int rowBytes) {
    Bytes out;
    for (size_t start = 0; start < rows.size(); start += size_t(rowBytes)) {
        const size_t end = start + size_t(rowBytes);
        for (size_t i = start; i < end;) {
            size_t run = 1;
            while (i + run < end && run < 255 && rows[i + run] == rows[i]) ++run;
            out.push_back(uint8_t(run));
            out.push_back(rows[i]);
            i += run;
        }
    }
    return out;
}

Bytes PalmBitmapWriter::PackBits(const Bytes& rows, int rowBytes, int unit) {
    Bytes out;
    const size_t n = size_t(rowBytes / unit);
    for (size_t start = 0; start < rows.size(); start += size_t(rowBytes)) {
        auto same = [&](size_t a, size_t b) {
            return std::memcmp(&rows[start + a * size_t(unit)], &rows[start + b * size_t(unit)],
                               size_t(unit)) == 0;
        };
        auto emit = [&](size_t from, size_t count) {
            out.insert(out.end(), rows.begin() + std::ptrdiff_t(start + from * size_t(unit)),
                       rows.begin() + std::ptrdiff_t(start + (from + count) * size_t(unit)));
        };
        for (size_t i = 0; i < n;) {
            size_t run = 1;
            while (i + run < n && run < 128 && same(i, i + run)) ++run;
            if (run >= 2) {
                out.push_back(uint8_t(int8_t(1 - int(run))));
                emit(i, 1);
                i += run;
                continue;
            }
            size_t length = 1;
            while (i + length < n && length < 128 &&
                   !(i + length + 1 < n && same(i + length, i + length + 1)))
                ++length;
            out.push_back(uint8_t(length - 1));
            emit(i, length);
            i += length;
        }
    }
    return out;
}

Bytes PalmBitmapWriter::Member(const PalmBitmapRecipe& s, uint32_t next) {
    const int rowBytes = RowBytes(s.width, s.depth);
    uint16_t flags = 0;
    if (s.packing != Packing::None) flags |= 0x8000;
    if (!s.colourTable.empty()) flags |= 0x4000;
    if (s.transparent) flags |= 0x2000;
    if (s.depth == 16 && s.version >= 2) flags |= 0x0400;

    Bytes out;
    Put16(out, uint32_t(s.width));
    Put16(out, uint32_t(s.height));
    Put16(out, uint32_t(rowBytes));
    Put16(out, flags);
    out.push_back(uint8_t(s.version == 0 ? 0 : s.depth));
    out.push_back(uint8_t(s.version));
    if (s.version < 3) {
        Put16(out, next / 4);
        out.push_back(uint8_t(s.version == 2 && s.depth < 16 ? s.transparentValue : 0));
        out.push_back(s.version == 2 ? CompressionType(s.packing) : 0);
        Put16(out, 0);
    } else {
        out.push_back(24);
        out.push_back(uint8_t(s.depth == 16 ? (s.littleEndian ? 2 : 1) : (s.littleEndian ? 3 : 0)));
        out.push_back(0);
        out.push_back(CompressionType(s.packing));
        Put16(out, uint32_t(s.density));
        Put32(out, s.transparent ? s.transparentValue : 0);
        Put32(out, next);
    }
    if (!s.colourTable.empty()) {
        Put16(out, uint32_t(s.colourTable.size()));
        for (size_t i = 0; i < s.colourTable.size(); ++i) {
            out.push_back(uint8_t(i));
            Put16(out, s.colourTable[i] >> 8);
            out.push_back(uint8_t(s.colourTable[i]));
        }
    }
    if (s.version == 2 && s.depth == 16) {
        out.insert(out.end(), {5, 6, 5, 0, 0});
        const uint32_t c = s.transparent ? s.transparentValue : 0;
        out.insert(out.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    }
    const Bytes rows = Rows(s);
    if (s.packing == Packing::None) {
        out.insert(out.end(), rows.begin(), rows.end());
        return out;
    }
    const Bytes packed = s.packing == Packing::ScanLine ? ScanLine(rows, rowBytes)
                         : s.packing == Packing::Rle
                             ? Rle(rows, rowBytes)
                             : PackBits(rows, rowBytes, s.depth == 16 ? 2 : 1);
    // The size counts its own field.
    if (s.version == 3)
        Put32(out, uint32_t(4 + packed.size()));
    else
        Put16(out, uint32_t(2 + packed.size() +
                            (s.version == 2 && s.depth == 16 && s.sizeCountsDirectColour ? 8 : 0)));
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

Bytes PalmBitmapWriter::Dummy(uint16_t next) {
    Bytes out(16, 0);
    out[8] = 0xFF;
    out[9] = 1;
    out[10] = uint8_t(next >> 8);
    out[11] = uint8_t(next);
    return out;
}

Bytes PalmBitmapWriter::Family(const std::vector<PalmBitmapRecipe>& members) {
    Bytes out;
    for (size_t i = 0; i < members.size(); ++i) {
        const bool last = i + 1 == members.size();
        const size_t size = Padded(Member(members[i]).size());
        Bytes member = Member(members[i], last ? 0 : uint32_t(size));
        member.resize(size, 0);
        out.insert(out.end(), member.begin(), member.end());
        if (!last && members[i].version < 3 && members[i + 1].version == 3) {
            const Bytes dummy = Dummy();
            out.insert(out.end(), dummy.begin(), dummy.end());
        }
    }
    return out;
}

}  // namespace vantoro::test
