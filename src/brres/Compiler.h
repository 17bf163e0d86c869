#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "CompileOptions.h"
#include "DatabaseWriter.h"
#include "Diagnostic.h"
#include "ScriptStatement.h"

namespace brres {

// One run of the compiler: options in, the database written or every problem reported.
// The database is written as the resources are made, to a temporary file that replaces the
// target only once the whole script compiled; an existing database stays as it was.
class Compiler {
public:
    static constexpr int kSuccess = 0;
    static constexpr int kInputError = 1;
    static constexpr int kUsageError = 2;
    static constexpr size_t kMaxScriptSize = 8u << 20;
    static constexpr size_t kLargestRecord =
        65505;  // larger records do not install on the handheld

    Compiler(std::ostream& out, std::ostream& err);

    // `args` start with the first option; there is no program name. Never throws.
    int Run(const std::vector<std::string>& args);

private:
    int Compile(const CompileOptions& options);
    bool ReadScript(const std::string& name, std::string& text);
    // Checks the statement's input and, given a database, adds the resource to it.
    void Encode(const ScriptStatement& statement, DatabaseWriter* database);
    bool Failed() const;
    void Report(const std::string& script);

    std::ostream& out_;
    std::ostream& err_;
    std::vector<Diagnostic> diagnostics_;
};

}  // namespace brres
