#pragma once

#include <QString>
#include <string_view>

class QFileDevice;

namespace vantoro {

// Puts bytes into an open file and, when it cannot, says why in the operating system's own
// words ("No space left on device"). A buffered write loses that reason when the disk fills
// part way through a block, and is left saying "Unknown error".
class CFileSink {
public:
    // Writes all of `bytes` at the file's position; false with `reason` set otherwise.
    static bool Write(QFileDevice& file, std::string_view bytes, QString* reason);

    // Makes every following Write fail as a full disk does (false: no more failures).
    static void SimulateFullDiskForTesting(bool on);
};

}  // namespace vantoro
