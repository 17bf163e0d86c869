#pragma once

#include <string>

namespace vantoro {

// Replaces a file's content in one step: the bytes go to a temporary file in the same
// folder, which is flushed to disk and then renamed over the target, so a reader (or a
// crash) sees either the old content or the new, never a mix. The target keeps its
// permissions; a symbolic link is followed and its target replaced. A target that is a
// device or a pipe (/dev/stdout, /dev/full) cannot be replaced and is written in place.
class CAtomicFileWriter {
public:
    // The stages a write can fail at; tests use them to make a write fail on purpose.
    enum class Stage { None, CreateTemporary, Write, Rename };

    // Writes `bytes` to `path`; false with `error` set (naming the file and the system's
    // reason) on failure, in which case the file is as it was and no temporary file is left
    // behind.
    static bool Write(const std::string& path, const std::string& bytes, std::string* error);

    // Makes every following write fail at `stage` (Stage::None: no more failures).
    static void FailAtForTesting(Stage stage);
};

}  // namespace vantoro
