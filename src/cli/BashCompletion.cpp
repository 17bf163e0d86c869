#include "BashCompletion.h"

#include "CliVerbs.h"

namespace vantoro {
namespace {

std::string Join(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

std::string OptionWords(const std::vector<CCliOption>& options) {
    std::vector<std::string> words;
    for (const CCliOption& option : options) words.push_back("--" + option.Name);
    return Join(words);
}

// The bash that completes a word of this kind.
std::string Completer(ECliCompletion completion, const std::string& extensions,
                      const std::vector<std::string>& words) {
    switch (completion) {
        case ECliCompletion::File:
            return extensions.empty() ? "_filedir" : "_filedir '" + extensions + "'";
        case ECliCompletion::Folder:
            return "_filedir -d";
        case ECliCompletion::Choice:
        case ECliCompletion::BitmapKey:
            return "COMPREPLY=($(compgen -W '" + Join(words) + "' -- \"$cur\"))";
        case ECliCompletion::None:
            break;
    }
    return ":";
}

// "--png|--zoom": the options whose next word is their value.
std::string ValuePattern(const std::vector<CCliOption>& options) {
    std::string pattern;
    for (const CCliOption& option : options)
        if (option.TakesValue()) pattern += (pattern.empty() ? "--" : "|--") + option.Name;
    return pattern;
}

// A case over $prev completing the value of each option that takes one; returns when it did.
void WriteValues(const std::vector<CCliOption>& options, const std::string& indent,
                 std::ostream& out) {
    if (ValuePattern(options).empty()) return;
    out << indent << "case $prev in\n";
    for (const CCliOption& option : options)
        if (option.TakesValue())
            out << indent << "    --" << option.Name << ") "
                << Completer(option.Completion, option.Extensions, option.Choices)
                << "; return ;;\n";
    out << indent << "esac\n";
}

void WriteVerb(const CCliVerb& verb, const std::vector<std::string>& bitmapKeys,
               std::ostream& out) {
    std::vector<CCliOption> options = verb.Options;
    options.push_back(*verb.FindOption("help"));
    out << "        " << verb.Name << ")\n";
    WriteValues(options, "            ", out);
    out << "            if [[ $cur == -* ]]; then\n"
        << "                COMPREPLY=($(compgen -W '" << OptionWords(options)
        << "' -- \"$cur\"))\n"
        << "                return\n"
        << "            fi\n";
    // Which operand the word is: those before it that are neither options nor their values.
    const std::string values = ValuePattern(options);
    out << "            local j operands=0\n"
        << "            for ((j = i + 1; j < cword; j++)); do\n"
        << "                case ${words[j]} in\n";
    if (!values.empty()) out << "                    " << values << ") ((j++)) ;;\n";
    out << "                    -*) ;;\n"
        << "                    *) ((operands++)) ;;\n"
        << "                esac\n"
        << "            done\n"
        << "            case $operands in\n";
    for (size_t n = 0; n < verb.Operands.size(); ++n) {
        const CCliOperand& operand = verb.Operands[n];
        out << "                " << n << ") "
            << Completer(operand.Completion, operand.Extensions, bitmapKeys) << " ;;\n";
    }
    out << "            esac\n"
        << "            ;;\n";
}

}  // namespace

void CBashCompletion::Write(const std::vector<std::string>& bitmapKeys, std::ostream& out) {
    const std::vector<CCliOption>& programOptions = CCliVerbs::ProgramOptions();
    std::vector<std::string> verbs;
    for (const CCliVerb& verb : CCliVerbs::All()) verbs.push_back(verb.Name);
    out << "# Bash completion for vantoro-cli, written by the build from the program's own table\n"
           "# of commands: every command, its options and their values, and for each operand\n"
           "# the files it takes.\n"
           "\n"
           "_vantoro_cli() {\n"
           "    local cur prev words cword\n"
           "    _init_completion || return\n"
           "\n"
           "    # The command is the first word that is neither an option nor an option's value.\n"
           "    local i command=\"\"\n"
           "    for ((i = 1; i < cword; i++)); do\n"
           "        case ${words[i]} in\n";
    if (const std::string values = ValuePattern(programOptions); !values.empty())
        out << "            " << values << ") ((i++)) ;;\n";
    out << "            -*) ;;\n"
           "            *) command=${words[i]}; break ;;\n"
           "        esac\n"
           "    done\n"
           "\n"
           "    case $command in\n"
           "        \"\")\n";
    WriteValues(programOptions, "            ", out);
    out << "            if [[ $cur == -* ]]; then\n"
        << "                COMPREPLY=($(compgen -W '" << OptionWords(programOptions)
        << "' -- \"$cur\"))\n"
        << "            else\n"
        << "                COMPREPLY=($(compgen -W '" << Join(verbs) << "' -- \"$cur\"))\n"
        << "            fi\n"
        << "            ;;\n";
    for (const CCliVerb& verb : CCliVerbs::All()) WriteVerb(verb, bitmapKeys, out);
    out << "    esac\n"
           "} &&\n"
           "    complete -F _vantoro_cli vantoro-cli\n";
}

}  // namespace vantoro
