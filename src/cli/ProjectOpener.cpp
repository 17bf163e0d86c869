#include "ProjectOpener.h"

#include "CliVerbs.h"
#include "FileSetWriter.h"

namespace vantoro {

bool CProjectOpener::Open(CSkinProject& project, const std::string& path, std::ostream& err) {
    const CResult<void> loaded = project.LoadProject(path);
    if (loaded) {
        const CResult<std::string> finished = CFileSetWriter::FinishStopped(project.PathName);
        if (!finished) {
            err << CCliVerbs::kProgram << ": " << finished.Error() << "\n";
            return false;
        }
        if (!finished->empty()) err << CCliVerbs::kProgram << ": note: " << *finished << "\n";
        return true;
    }
    err << CCliVerbs::kProgram << ": ";
    if (loaded.Error().empty())
        err << "The project '" << path << "' cannot be loaded.";
    else
        err << loaded.Error();
    err << "\n";
    return false;
}

}  // namespace vantoro
