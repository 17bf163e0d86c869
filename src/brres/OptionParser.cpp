#include "OptionParser.h"

namespace brres {

const char* OptionParser::Usage() {
    return "usage: brres [-q] [-ro] -o DATABASE -name NAME -type TYPE -creator CREATOR SCRIPT\n"
           "  -q          print nothing but errors and warnings\n"
           "  -ro         write one resource database (the default and only output)\n"
           "  -o PATH     the database file to write\n"
           "  -name NAME  the database name, 1 to 31 bytes\n"
           "  -type XXXX  the database type, four bytes\n"
           "  -creator XXXX  the creator code, four bytes\n"
           "  SCRIPT      the resource script; it and its bitmaps resolve against the current "
           "folder\n";
}

bool OptionParser::Parse(const std::vector<std::string>& args, CompileOptions& options,
                         std::string& error) {
    options = CompileOptions();
    bool haveScript = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* target = nullptr;
        if (arg == "-q") {
            options.quiet = true;
            continue;
        }
        if (arg == "-ro") continue;
        if (arg == "-o")
            target = &options.output;
        else if (arg == "-name")
            target = &options.name;
        else if (arg == "-type")
            target = &options.type;
        else if (arg == "-creator")
            target = &options.creator;
        if (target) {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return false;
            }
            *target = args[++i];
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        }
        if (haveScript) {
            error = "more than one script: '" + options.script + "' and '" + arg + "'";
            return false;
        }
        options.script = arg;
        haveScript = true;
    }
    if (!haveScript) {
        error = "no script given";
        return false;
    }
    return Validate(options, error);
}

bool OptionParser::Validate(const CompileOptions& options, std::string& error) {
    if (options.output.empty()) {
        error = "no database given (-o PATH)";
        return false;
    }
    if (options.name.empty() || options.name.size() > kMaxNameLength) {
        error = "the database name (-name) must be 1 to " + std::to_string(kMaxNameLength) +
                " bytes; '" + options.name + "' has " + std::to_string(options.name.size());
        return false;
    }
    const std::pair<const char*, const std::string*> codes[] = {{"-type", &options.type},
                                                                {"-creator", &options.creator}};
    for (const auto& [option, value] : codes) {
        if (value->size() != 4) {
            error = std::string(option) + " must be exactly four bytes; '" + *value + "' has " +
                    std::to_string(value->size());
            return false;
        }
    }
    return true;
}

}  // namespace brres
