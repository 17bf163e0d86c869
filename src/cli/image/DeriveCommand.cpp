#include "DeriveCommand.h"

#include <optional>

#include "PathString.h"
#include "ProjectOpener.h"
#include "SkinDeriver.h"
#include "SkinNameArgument.h"
#include "SkinProblem.h"
#include "SkinProject.h"

namespace vantoro {

int CDeriveCommand::Run(const CCliArguments& arguments, std::ostream& out, std::ostream& err) {
    constexpr int kExitSuccess = 0, kExitFailure = 1;
    CVariantOptions options;
    options.Resolution = std::stoi(arguments.Value("reso"));
    options.Depth = std::stoi(arguments.Value("depth"));
    const std::string dither = arguments.Value("dither");
    if (dither == "ordered") options.Dither = CDither::Ordered;
    if (dither == "diffusion") options.Dither = CDither::Diffusion;
    if (arguments.Has("name")) {
        const std::optional<std::string> name =
            CSkinNameArgument::Read(arguments.Value("name"), err);
        if (!name) return kExitFailure;
        options.Name = *name;
    }
    CSkinProject project;
    if (!CProjectOpener::Open(project, arguments.Operands[0], err)) return kExitFailure;
    const CResult<CVariantResult> result =
        CSkinDeriver::Derive(project, arguments.Operands[1], options);
    if (!result) {
        err << CCliVerbs::kProgram << ": " << result.Error() << "\n";
        return kExitFailure;
    }
    if (!result->Note.empty()) err << CCliVerbs::kProgram << ": note: " << result->Note << "\n";
    out << PathString(result->ProjectPath) << "\n";
    for (const CVariantWarning& warning : result->Warnings) {
        CSkinProblem problem;
        problem.Level = CSkinProblem::Severity::Warning;
        problem.Element = warning.Id;
        problem.File = warning.File;
        problem.Message = warning.Text;
        err << problem.Format() << "\n";
    }
    return kExitSuccess;
}

}  // namespace vantoro
