#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantoro {

// The bash completion of vantoro-cli, written from the commands' table: every command, its
// options, their values and the files each operand takes, so the completion offers exactly
// what the parser accepts.
class CBashCompletion {
public:
    // `bitmapKeys`: what a bitmap key operand completes to ("TitleBar.Bmp", ...).
    static void Write(const std::vector<std::string>& bitmapKeys, std::ostream& out);
};

}  // namespace vantoro
