#pragma once

#include <map>
#include <string>
#include <vector>

#include "CliVerbs.h"

namespace vantoro {

// The arguments of one command as the parser read them.
struct CCliArguments {
    enum class EOutcome { Run, Help, UsageError };

    EOutcome Outcome = EOutcome::Run;
    std::string Error;                          // what was wrong, for a usage error
    std::vector<std::string> Operands;          // as given, byte for byte
    std::map<std::string, std::string> Values;  // option name to value; "" for a switch

    bool Has(const std::string& option) const { return Values.count(option) != 0; }
    std::string Value(const std::string& option) const;
};

// The command line read with Qt's parser against the commands' table (`CCliVerbs`): the
// table says what each command takes, this says what was given and what is wrong with it.
class CCliParser {
public:
    // The arguments after the command's name.
    static CCliArguments ParseVerb(const CCliVerb& verb, const std::vector<std::string>& args);
    // The arguments before the command: its options; Operands hold the command and every
    // argument after it, untouched.
    static CCliArguments ParseProgram(const std::vector<std::string>& args);
    // What a usage error prints: the error, the command's usage line, where to read more.
    static std::string UsageError(const CCliVerb* verb, const std::string& message);
};

}  // namespace vantoro
