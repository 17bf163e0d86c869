#pragma once

#include <filesystem>
#include <system_error>

namespace vantoro {

// Renames `from` over `to` in one step. On Windows a file another program holds open
// (a second import reading the pictures, a virus scanner, a file indexer) cannot be
// replaced for that moment: the rename is tried again for about a second before the
// failure is told, so a passing reader does not fail the write.
std::error_code ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to);

// Renames `from` to `to` only when nothing is at `to`: a file that appeared there since it
// was looked for is never replaced (file_exists). Where the file system cannot say so in
// the rename itself, the name is looked at just before.
std::error_code MoveToNewName(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vantoro
