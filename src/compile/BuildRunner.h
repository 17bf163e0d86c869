#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BuildResult.h"
#include "Result.h"
#include "SkinProblem.h"

namespace vantoro {

class CBitmapCache;
class CResourceCompiler;
class CSkinProject;

// Build Skin without a window: the project folder becomes the current directory, the
// wall paper tiles and the resource script are written from the records as they are in
// memory into a folder of the build's own, the compiler library runs there, is loaded
// afresh for the next build, and the new database is renamed into the project folder.
// The intermediate files go with the build's folder unless asked to be kept. The earlier current
// directory is restored on every way out, and a build that did not produce a new database never
// reports success.
class CBuildRunner {
public:
    // The rule book and the wall paper tiles read the bitmaps through `bitmaps` (the
    // window's, or the run's), or a cache of the runner's own.
    explicit CBuildRunner(CResourceCompiler& compiler);
    CBuildRunner(CResourceCompiler& compiler, CBitmapCache& bitmaps);
    ~CBuildRunner();

    // Checks the project with the rule book first.
    CBuildResult Run(const CSkinProject& project);
    // With what the rule book found in it already (the window keeps that up to date).
    CBuildResult Run(const CSkinProject& project, const std::vector<CSkinProblem>& findings);

    // Leaves the resource script and the wall paper tiles in the project folder after the
    // build, for authors who want to read them or run the compiler on them themselves.
    void KeepIntermediateFiles(bool keep) { m_keepIntermediateFiles = keep; }
    // Whether a build leaves the library loaded afresh behind it (the window's next build
    // starts from the library's initial state), or unloaded, for a program that ends after
    // this build; a later build loads it.
    void ReloadLibraryAfterBuild(bool reload) { m_reloadLibrary = reload; }

private:
    // The script (naming the tiles beside it) and the tiles, from the build's folder
    // `scratch` into the project folder.
    CResult<void> CopyIntermediateFiles(const CSkinProject& project,
                                        const std::string& scratch) const;

    CResourceCompiler& m_compiler;
    std::unique_ptr<CBitmapCache> m_own;
    CBitmapCache& m_bitmaps;
    bool m_keepIntermediateFiles = false;
    bool m_reloadLibrary = true;
};

}  // namespace vantoro
