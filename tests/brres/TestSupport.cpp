#include "TestSupport.h"

#include <cstdlib>
#include <sstream>

#include "Compiler.h"

namespace brres_test {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        hadValue_ = true;
        oldValue_ = old;
    }
    Set(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    Set(name_.c_str(), hadValue_ ? oldValue_.c_str() : nullptr);
}

void ScopedEnvironment::Set(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

RunResult RunCompiler(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    RunResult result;
    result.code = brres::Compiler(out, err).Run(args);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::string> BuildArgs(const std::string& database, const std::string& script) {
    return {"-q",   "-creator", "Krdo",   "-name", "Skin", "-type",
            "SKIN", "-o",       database, "-ro",   script};
}

}  // namespace brres_test
