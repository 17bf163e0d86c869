#pragma once

#include <string>

#include "BuildResult.h"

namespace vantoro {

class CResourceCompiler;
class CSkinProject;

// Build Skin without a window: the project folder becomes the current directory, the
// wall paper tiles and the resource script are written from the records as they are in
// memory, the compiler library runs, is loaded afresh for the next build, and the
// intermediate files are removed. The earlier current directory is restored on every
// way out, and a build that did not produce a new database never reports success.
class CBuildRunner {
public:
    explicit CBuildRunner(CResourceCompiler& compiler) : m_compiler(compiler) {}

    CBuildResult Run(const CSkinProject& project);

    // The project folder (with its separator), the skin name and ".PDB".
    static std::string DatabasePath(const CSkinProject& project);
    // Why `name` cannot name a skin (empty, longer than the library's 31 characters,
    // or holding a character that would put the database outside the project folder
    // or that no file name may hold); empty when it can.
    static std::string SkinNameProblem(const std::string& name);

private:
    CResourceCompiler& m_compiler;
};

}  // namespace vantoro
