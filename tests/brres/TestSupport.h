#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brres_test {

using Bytes = std::vector<uint8_t>;

// Sets an environment variable for the object's life; restores the earlier state after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);  // value nullptr: unset
    ~ScopedEnvironment();

private:
    static void Set(const char* name, const char* value);
    std::string name_;
    bool hadValue_ = false;
    std::string oldValue_;
};

struct RunResult {
    int code = 0;
    std::string out;
    std::string err;
};
RunResult RunCompiler(const std::vector<std::string>& args);
// The arguments the editor's build passes, with this database and script.
std::vector<std::string> BuildArgs(const std::string& database,
                                   const std::string& script = "_script.txt");

}  // namespace brres_test
