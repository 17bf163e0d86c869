// Any bytes as a project file and one bitmap beside it, as `vantoro-cli render` takes
// them: the project loads or is refused, the rule book judges it, and the screen is drawn
// with the overlay and the maximized list, all without writing anything.

#include <QGuiApplication>

#include "FuzzScratch.h"
#include "Resolution.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "SkinRenderer.h"

using namespace vantoro;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The overlay draws text, which needs a GUI application; it draws off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // "<project>\n--BMP--\n<bitmap>": the bitmap is "a.bmp", which the project may name.
    const std::vector<std::string_view> parts =
        fuzz::Split(std::string_view(reinterpret_cast<const char*>(data), size), "\n--BMP--\n");
    const std::string skn = fuzz::WriteScratch("input.skn", parts[0]);
    fuzz::WriteScratch("a.bmp", parts.size() > 1 ? parts[1] : std::string_view());

    CSkinProject project;
    if (const CResult<void> loaded = project.LoadProject(skn); !loaded) {
        fuzz::Check(!loaded.Error().empty());
        return 0;
    }
    const std::vector<CSkinProblem> problems = CRuleBook().Check(project);
    CSkinRenderer renderer;
    for (const bool maximized : {false, true}) {
        CRenderOptions options;
        options.Zoom = 2;
        options.Maximized = maximized;
        const QImage picture = renderer.Render(project, options, problems);
        const int side = CResolution::DrawingSide(project.SkinInfo.Reso) * 2;
        fuzz::Check(picture.width() == side && picture.height() == side);
    }
    return 0;
}
