#pragma once

#include <string>
#include <string_view>

namespace vantoro {

// Text bound for a terminal, with every control character written out as "\x1B": names
// from a file (a skin name, a bitmap name, a database name) can hold ESC, BEL or CR, and a
// terminal would act on them — clear the screen, rewrite the line, set the title. Line
// feeds stay as they are. Control characters of UTF-8 (U+0080 to U+009F) and bytes of
// that range that belong to no UTF-8 character are escaped byte by byte too; any other
// byte passes unchanged. On Windows, whose text is in a code page, bytes from 0x80 pass.
class CTerminalText {
public:
    static std::string Escape(std::string_view text);
};

}  // namespace vantoro
