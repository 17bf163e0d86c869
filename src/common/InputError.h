#pragma once

#include <stdexcept>
#include <string>

namespace vantoro {

// Bad input (a bitmap we cannot read, a file we cannot open): the message says what is
// wrong in words meant for the skin author; the caller adds where it happened.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string& message);
};

}  // namespace vantoro
