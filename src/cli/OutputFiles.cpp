#include "OutputFiles.h"

#include "AtomicFile.h"
#include "ProjectPath.h"
#include "WriteRule.h"

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
    if (!m_folder.empty())
        if (const std::string refusal = CWriteRule(m_folder).Refusal(CProjectPath::Absolute(path));
            !refusal.empty()) {
            if (error) *error = refusal + " Nothing was written.";
            return false;
        }
    const CResult<void> written = CAtomicFile::Write(
        path, bytes, CAtomicFile::Mode::Replace,
        m_folder.empty() ? CAtomicFile::Links::Follow : CAtomicFile::Links::Replace);
    if (!written && error) *error = written.Error() + ".";
    return written.Ok();
}

}  // namespace vantoro
