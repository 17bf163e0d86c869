#pragma once

#include <cstddef>
#include <cstdint>

namespace brres {

// Where encoded bytes go as they are made: a buffer, or the database file itself.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(const uint8_t* data, size_t size) = 0;
};

}  // namespace brres
