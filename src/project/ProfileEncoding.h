#pragma once

#include <string>

namespace vantoro {

// How a project file's text is stored. The profile layer works on single-byte
// Windows-1252 text, as the platform's profile functions do; a file that starts with a
// byte-order mark is read as what it is and saved back the same way.
enum class CTextEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// Windows-1252 byte for a Unicode code point, or -1 when the code page has none. The five
// bytes the code page leaves unassigned stand for the C1 controls of the same value, so
// every byte survives a round trip.
int ToCp1252(char32_t c);
char32_t FromCp1252(unsigned char b);

struct CDecodedProfile {
    std::string Text;  // Windows-1252
    CTextEncoding Encoding = CTextEncoding::Ansi;
    // The characters Windows-1252 has no byte for, in UTF-8, each once: they read as '?'.
    std::string Unkept;
};

// The file's bytes as Windows-1252 text, by its byte-order mark (none: taken as they are).
CDecodedProfile DecodeProfile(const std::string& bytes);
// Windows-1252 text as the file's bytes, byte-order mark included.
std::string EncodeProfile(const std::string& text, CTextEncoding encoding);

}  // namespace vantoro
