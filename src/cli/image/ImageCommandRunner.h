#pragma once

#include "BitmapCache.h"
#include "ImageCommands.h"

namespace vantoro {

// render, import, derive and info, in this process.
class CImageCommandRunner : public IImageCommands {
public:
    int Run(const std::string& command, const CCliArguments& arguments, std::ostream& out,
            std::ostream& err) override;

private:
    static constexpr int kExitSuccess = 0;
    static constexpr int kExitFailure = 1;
    static constexpr int kExitUsage = 2;

    int Render(const CCliArguments& arguments, std::ostream& out, std::ostream& err);
    int Import(const CCliArguments& arguments, std::ostream& out, std::ostream& err);

    // Every bitmap is read once in a run, whichever part of it looks.
    CBitmapCache m_bitmaps;
};

}  // namespace vantoro
