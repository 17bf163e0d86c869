#include "ProjectOpener.h"

#include "CliVerbs.h"
#include "FileSetWriter.h"

namespace vantoro {

bool CProjectOpener::Open(CSkinProject& project, const std::string& path, std::ostream& err) {
    // A stopped import's journal first: the project is read as the finished import left it,
    // so what is checked or built is what is on disk afterwards.
    const CResult<std::string> finished =
        CFileSetWriter::FinishStopped(path, [&](const std::string& waiting) {
            err << CCliVerbs::kProgram << ": " << waiting << std::endl;
        });
    if (!finished) {
        err << CCliVerbs::kProgram << ": " << finished.Error() << "\n";
        return false;
    }
    if (!finished->empty()) err << CCliVerbs::kProgram << ": note: " << *finished << "\n";
    const CResult<void> loaded = project.LoadProject(path);
    if (loaded) return true;
    err << CCliVerbs::kProgram << ": ";
    if (loaded.Error().empty())
        err << "The project '" << path << "' cannot be loaded.";
    else
        err << loaded.Error();
    err << "\n";
    return false;
}

}  // namespace vantoro
