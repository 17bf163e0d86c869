#include "Compiler.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <new>
#include <optional>
#include <system_error>

#include "AtomicFile.h"
#include "BmpReader.h"
#include "DatabaseClock.h"
#include "FileNameResolver.h"
#include "InputError.h"
#include "OptionParser.h"
#include "ScriptReader.h"
#include "TbmpEncoder.h"
#include "ValueEncoder.h"

namespace brres {

namespace fs = std::filesystem;

Compiler::Compiler(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

int Compiler::Run(const std::vector<std::string>& args) {
    diagnostics_.clear();
    CompileOptions options;
    std::string error;
    if (!OptionParser::Parse(args, options, error)) {
        err_ << "brres: " << error << "\n";
        return kUsageError;
    }
    // The caller may be a program that loaded us: no exception may leave.
    try {
        return Compile(options);
    } catch (const std::bad_alloc&) {
        err_ << options.script << ": out of memory\n";
    } catch (const std::exception& e) {
        err_ << options.script << ": " << e.what() << "\n";
    }
    return kInputError;
}

int Compiler::Compile(const CompileOptions& options) {
    uint32_t date = 0;
    std::string error;
    if (!DatabaseClock::Now(date, error)) {
        err_ << "brres: " << error << "\n";
        return kUsageError;
    }
    std::string text;
    if (!ReadScript(options.script, text)) return kInputError;

    const std::vector<ScriptStatement> statements = ScriptReader().Read(text, diagnostics_);

    // A database that cannot be written is reported after the script's own errors, which
    // are read and checked all the same. The message names the file.
    std::string outputError;
    std::optional<vantoro::CAtomicFile> file;
    std::optional<DatabaseWriter> database;
    try {
        DatabaseWriter::CheckCount(statements.size());
        vantoro::CResult<vantoro::CAtomicFile> opened = vantoro::CAtomicFile::Open(options.output);
        if (opened) {
            file.emplace(std::move(*opened));
            database.emplace(*file, statements.size());
        } else {
            outputError = opened.Error();
        }
    } catch (const vantoro::InputError& e) {
        outputError = options.output + ": " + e.what();
    }
    for (const ScriptStatement& statement : statements) {
        // After the first error nothing more is written; every statement is still checked.
        Encode(statement, database && !Failed() ? &*database : nullptr);
    }

    const bool failed = Failed();
    Report(options.script);
    if (failed) return kInputError;

    if (!outputError.empty()) {
        err_ << outputError << "\n";
        return kInputError;
    }
    try {
        database->Finish({options.name, options.type, options.creator, date});
        if (const vantoro::CResult<void> written = file->Commit(); !written) {
            err_ << written.Error() << "\n";
            return kInputError;
        }
        if (!options.quiet) {
            out_ << "brres: wrote " << options.output << " (" << statements.size()
                 << (statements.size() == 1 ? " resource, " : " resources, ") << database->Size()
                 << " bytes)\n";
        }
    } catch (const vantoro::InputError& e) {
        err_ << options.output << ": " << e.what() << "\n";
        return kInputError;
    }
    return kSuccess;
}

bool Compiler::Failed() const {
    return std::any_of(diagnostics_.begin(), diagnostics_.end(),
                       [](const Diagnostic& d) { return !d.warning; });
}

bool Compiler::ReadScript(const std::string& name, std::string& text) {
    const std::string path = vantoro::ResolveFileName("", name);
    std::error_code ec;
    const auto status = fs::status(fs::path(path), ec);
    if (ec || !fs::exists(status)) {
        err_ << name << ": cannot open the script: file not found\n";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        err_ << name << ": cannot open the script: not a file\n";
        return false;
    }
    const uintmax_t size = fs::file_size(fs::path(path), ec);
    if (ec || size > kMaxScriptSize) {
        err_ << name << ": the script is larger than " << kMaxScriptSize << " bytes\n";
        return false;
    }
    std::ifstream in(fs::path(path), std::ios::binary);
    text.assign(static_cast<size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(size))) {
        err_ << name << ": cannot read the script\n";
        return false;
    }
    return true;
}

void Compiler::Encode(const ScriptStatement& statement, DatabaseWriter* database) {
    size_t size = 0;
    std::vector<uint8_t> bytes;
    switch (statement.kind) {
        case ScriptStatement::Kind::Bitmap:
            if (statement.text.empty()) {
                diagnostics_.push_back({statement.line, "no bitmap file named", false});
                return;
            }
            try {
                const vantoro::BmpImage image =
                    vantoro::BmpReader::Load(vantoro::ResolveFileName("", statement.text));
                size = TbmpEncoder::EncodedSize(image.Width(), image.Height(), statement.depth);
                if (database) {
                    database->BeginResource(statement.Type(), statement.id);
                    TbmpEncoder::Encode(image.Rows(), statement.depth, *database);
                }
            } catch (const vantoro::InputError& e) {
                diagnostics_.push_back(
                    {statement.line, "bitmap '" + statement.text + "': " + e.what(), false});
                return;
            }
            break;
        case ScriptStatement::Kind::Integer:
            bytes = ValueEncoder::Integer(statement.value);
            break;
        case ScriptStatement::Kind::String:
            bytes = ValueEncoder::String(statement.text);
            break;
        case ScriptStatement::Kind::WordList:
            bytes = ValueEncoder::WordList(statement.values);
            break;
    }
    if (statement.kind != ScriptStatement::Kind::Bitmap) {
        size = bytes.size();
        if (database) {
            database->BeginResource(statement.Type(), statement.id);
            database->Write(bytes.data(), bytes.size());
        }
    }
    if (size > kLargestRecord) {
        diagnostics_.push_back({statement.line,
                                std::string(statement.Type()) + " " + std::to_string(statement.id) +
                                    " is " + std::to_string(size) + " bytes, more than the " +
                                    std::to_string(kLargestRecord) +
                                    " a resource may hold on the handheld",
                                true});
    }
}

void Compiler::Report(const std::string& script) {
    std::stable_sort(diagnostics_.begin(), diagnostics_.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    for (const Diagnostic& d : diagnostics_) {
        err_ << script;
        if (d.line > 0) err_ << ":" << d.line;
        err_ << ": " << (d.warning ? "warning: " : "") << d.message << "\n";
    }
}

}  // namespace brres
