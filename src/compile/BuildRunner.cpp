#include "BuildRunner.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "AtomicFile.h"
#include "BitmapCache.h"
#include "BuildFolder.h"
#include "BuildProblems.h"
#include "CurrentDirectoryGuard.h"
#include "ResourceCompiler.h"
#include "ResourceScript.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "StderrCapture.h"
#include "WallPaperTiles.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// The whole file, or nothing when it cannot be read: read straight into one string of its
// size (a database is a few hundred kilobytes, and every copy of it touches fresh pages).
std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0)) return std::nullopt;
    std::string bytes(size_t(size), '\0');
    in.read(bytes.data(), size);
    // A file that grew meanwhile is read to its end all the same.
    bytes.resize(size_t(in.gcount()));
    if (in.bad()) return std::nullopt;
    if (in.good()) {
        std::ostringstream rest;
        rest << in.rdbuf();
        bytes += rest.str();
    }
    return bytes;
}

// Puts `bytes` at `path` of the project's folder, as the write rule allows: replaced in
// one step, a link there replaced rather than written through.
CResult<void> PutIntoProject(const CSkinProject& project, const std::string& path,
                             const std::string& bytes, CAtomicFile::Mode mode) {
    const CWriteRule::CVerdict verdict = CWriteRule::ForProject(project).Judge(path, path);
    if (verdict && verdict.Why != CWriteRule::Reason::Reserved)
        return Fail(verdict.Message + " Nothing was written.");
    return CAtomicFile::Write(path, bytes, mode, CAtomicFile::Links::Replace);
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

CResult<void> CBuildRunner::CopyIntermediateFiles(const CSkinProject& project,
                                                  const std::string& scratch) const {
    // The script kept names the tiles beside it, so the compiler runs on them as they lie.
    std::ostringstream script;
    WriteResourceScript(project, script);
    if (const CResult<void> kept = PutIntoProject(project, project.Folder + kScriptFileName,
                                                  script.str(), CAtomicFile::Mode::Replace);
        !kept)
        return kept;
    if (project.SkinInfo.Reso != 2) return {};
    for (int i = 1; i <= 4; ++i) {
        const std::optional<std::string> tile = ReadWhole(scratch + WallPaperTileName(i));
        if (!tile) return Fail(scratch + WallPaperTileName(i) + ": cannot be read back.");
        if (const CResult<void> kept = PutIntoProject(
                project, project.Folder + WallPaperTileName(i), *tile, CAtomicFile::Mode::Replace);
            !kept)
            return kept;
    }
    return {};
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

    // The database replaces what is at its name only where the rule lets a write go.
    if (const CWriteRule::CVerdict verdict =
            CWriteRule::ForProject(project).Judge(result.DatabasePath, result.DatabasePath);
        verdict && verdict.Why != CWriteRule::Reason::Reserved)
        return fail(verdict.Message);

    // The script, the tiles and the new database live in a folder of this build's own.
    CBuildFolder scratch;
    std::string error;
    if (!scratch.Create(&error)) return fail(error);
    const std::string script = scratch.Path() + kScriptFileName;
    const std::string built = scratch.Path() + "skin.PDB";

    CCurrentDirectoryGuard directory;
    if (!directory.Enter(project.Folder, &error)) return fail(error);

    std::vector<CScriptLineOrigin> origins;
    if (!CreateWallPaperTiles(project, m_bitmaps, scratch.Path(), &error)) return fail(error);
    if (const CResult<void> written = WriteResourceScript(project, script, scratch.Path(), &origins,
                                                          CAtomicFile::Mode::Scratch);
        !written)
        return fail(written.Error());

    bool compiled;
    {
        CStderrCapture capture;
        compiled = m_compiler.Compile(name, built, script);
        result.LibraryOutput = capture.Finish();
    }
    // The build's folder is gone when the user reads this: its files go by their names.
    for (size_t at; (at = result.LibraryOutput.find(scratch.Path())) != std::string::npos;)
        result.LibraryOutput.erase(at, scratch.Path().size());
    const std::string compileError = m_compiler.LastError();
    // Every build leaves a freshly loaded library behind (unless told it is the last), so
    // the next one starts from the library's initial state.
    m_compiler.UnloadLibrary();
    if (m_reloadLibrary) m_compiler.LoadLibraryEntry();

    if (!compiled) {
        problems.AddCompilerOutput(result.LibraryOutput, origins, project.Folder);
        if (!problems.IsEmpty()) return fail(Join(problems.Lines()));
        // A reason of the compiler's own (a full disk) says more than its result code.
        const std::vector<std::string> own = CBuildProblems::UnplacedErrors(result.LibraryOutput);
        return fail(own.empty() ? compileError : Join(own));
    }
    const std::optional<std::string> database = ReadWhole(built);
    if (!database)
        return fail("The compiler library did not write the database '" + result.DatabasePath +
                    "'.");
    // Renamed into place: a reader sees the old database or the new one, and a link at its
    // name is replaced, never written through.
    if (const CResult<void> placed =
            PutIntoProject(project, result.DatabasePath, *database, CAtomicFile::Mode::Replace);
        !placed)
        return fail(placed.Error());
    if (m_keepIntermediateFiles)
        if (const CResult<void> kept = CopyIntermediateFiles(project, scratch.Path()); !kept)
            return fail(kept.Error());
    result.Success = true;
    return result;
}

}  // namespace vantoro
