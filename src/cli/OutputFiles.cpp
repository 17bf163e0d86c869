#include "OutputFiles.h"

#include "AtomicFile.h"
#include "ProjectPath.h"

namespace vantoro {

void COutputFiles::AddInput(const std::string& path, const std::string& what) {
    if (!path.empty()) m_inputs.emplace_back(path, what);
}

bool COutputFiles::Write(const std::string& path, const std::string& bytes,
                         std::string* error) const {
    for (const auto& [input, what] : m_inputs)
        if (CProjectPath::IsSameFile(path, input)) {
            if (error)
                *error = "'" + path + "' is the same file as '" + input + "', " + what +
                         ", which this command reads; nothing was written.";
            return false;
        }
    const CResult<void> written = CAtomicFile::Write(path, bytes);
    if (!written && error) *error = written.Error() + ".";
    return written.Ok();
}

}  // namespace vantoro
