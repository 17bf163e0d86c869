#include "BuildRunner.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "BitmapCache.h"
#include "BuildFiles.h"
#include "BuildProblems.h"
#include "CurrentDirectoryGuard.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "StderrCapture.h"
#include "WallPaperTiles.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// What tells a database written anew from the one before. The time alone does not: the
// kernel stamps files from a clock that may not move between two quick builds. A database
// replaced in one step is a new file, which POSIX systems give a new number.
struct CFileStamp {
    fs::file_time_type time;
    uintmax_t size = 0;
    uint64_t identity = 0;
    bool operator==(const CFileStamp&) const = default;
};

std::optional<CFileStamp> Stamp(const std::string& path) {
    std::error_code ec;
    const fs::path file(path);
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    CFileStamp stamp;
    stamp.time = fs::last_write_time(file, ec);
    if (ec) return std::nullopt;
    stamp.size = fs::file_size(file, ec);
#ifndef _WIN32
    struct stat status;
    if (::stat(path.c_str(), &status) == 0) stamp.identity = uint64_t(status.st_ino);
#endif
    return stamp;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

CBuildRunner::CBuildRunner(CResourceCompiler& compiler)
    : m_compiler(compiler), m_own(std::make_unique<CBitmapCache>()), m_bitmaps(*m_own) {}

CBuildRunner::CBuildRunner(CResourceCompiler& compiler, CBitmapCache& bitmaps)
    : m_compiler(compiler), m_bitmaps(bitmaps) {}

CBuildRunner::~CBuildRunner() = default;

void CBuildRunner::RemoveIntermediateFiles(const CSkinProject& project) const {
    if (!m_keepIntermediateFiles) DeleteBuildFiles(project);
}

CBuildResult CBuildRunner::Run(const CSkinProject& project) {
    return Run(project, project.IsLoaded ? CRuleBook(m_bitmaps).Check(project)
                                         : std::vector<CSkinProblem>());
}

CBuildResult CBuildRunner::Run(const CSkinProject& project,
                               const std::vector<CSkinProblem>& findings) {
    CBuildResult result;
    result.DatabasePath = CRuleBook::DatabasePath(project);
    auto fail = [&](const std::string& reason) {
        result.Success = false;
        result.Reason = reason;
        return result;
    };
    const std::string& name = project.SkinInfo.SkinName;

    if (!project.IsLoaded) return fail("No project is open.");
    // What can be found without the compiler is found first, and told in the author's
    // words.
    CBuildProblems problems;
    for (const CSkinProblem& problem : findings) {
        problems.AddChecked(problem);
        if (!problem.IsError()) result.Warnings.push_back(problem.Where() + ": " + problem.Message);
    }
    if (!problems.IsEmpty()) return fail(Join(problems.Lines()));
    // Everything below names files through the folder after making it current, so a
    // relative folder would point somewhere else by then.
    if (!fs::path(project.Folder).is_absolute())
        return fail("The project folder '" + project.Folder + "' is not an absolute path.");
    // A library that was missing at start may have been put in place since.
    if (!m_compiler.IsLoaded() && !m_compiler.LoadLibraryEntry())
        return fail(m_compiler.LastError());

    CCurrentDirectoryGuard directory;
    std::string error;
    if (!directory.Enter(project.Folder, &error)) return fail(error);

    const std::optional<CFileStamp> before = Stamp(result.DatabasePath);
    std::vector<CScriptLineOrigin> origins;
    if (!CreateWallPaperTiles(project, m_bitmaps, &error)) {
        RemoveIntermediateFiles(project);
        return fail(error);
    }
    if (const CResult<void> script = WriteResourceScript(project, &origins); !script) {
        RemoveIntermediateFiles(project);
        return fail(script.Error());
    }

    bool compiled;
    {
        CStderrCapture capture;
        compiled = m_compiler.Compile(name, result.DatabasePath);
        result.LibraryOutput = capture.Finish();
    }
    const std::string compileError = m_compiler.LastError();
    // Every build leaves a freshly loaded library behind, so the next one starts from
    // the library's initial state.
    m_compiler.UnloadLibrary();
    m_compiler.LoadLibraryEntry();
    RemoveIntermediateFiles(project);

    if (!compiled) {
        problems.AddCompilerOutput(result.LibraryOutput, origins, project.Folder);
        if (!problems.IsEmpty()) return fail(Join(problems.Lines()));
        // A reason of the compiler's own (a full disk) says more than its result code.
        const std::vector<std::string> own = CBuildProblems::UnplacedErrors(result.LibraryOutput);
        return fail(own.empty() ? compileError : Join(own));
    }
    const std::optional<CFileStamp> after = Stamp(result.DatabasePath);
    if (!after || (before && *before == *after))
        return fail("The compiler library did not write the database '" + result.DatabasePath +
                    "'.");
    result.Success = true;
    return result;
}

}  // namespace vantoro
