#pragma once

#include <string>
#include <vector>

namespace vantoro {

// What a word of the command line may be completed with, for the shell's completion.
enum class ECliCompletion {
    None,       // free text
    File,       // a file whose name ends in one of Extensions
    Folder,     // a folder
    Choice,     // one of the option's choices
    BitmapKey,  // "Section.Key" of a bitmap field
};

// One option of a command: a switch, or one taking a value.
struct CCliOption {
    std::string Name;       // "zoom", written "--zoom"
    std::string ValueName;  // "N"; empty for a switch
    std::string Help;       // one line for the command's help
    // The values it takes and how a mistake is told: "--zoom is <ChoiceText>, not '9'.".
    std::vector<std::string> Choices;
    std::string ChoiceText;
    bool Required = false;  // "render needs --png OUT.png."
    ECliCompletion Completion = ECliCompletion::None;
    std::string Extensions;  // "png" or "png|bmp" for File

    bool TakesValue() const { return !ValueName.empty(); }
};

// One operand of a command, in the order given.
struct CCliOperand {
    std::string Name;  // "PROJECT.skn"
    ECliCompletion Completion = ECliCompletion::None;
    std::string Extensions;
};

// One command of vantoro-cli with everything its usage, its help, the parser and the
// shell's completion know of it: the one place each is written.
struct CCliVerb {
    std::string Name;
    std::string Summary;  // one line for the program's help
    std::string Text;     // the paragraph of the command's own help
    std::vector<CCliOption> Options;
    std::vector<CCliOperand> Operands;
    std::string OperandsError;  // told when the operands given are not Operands

    // "build [--keep-intermediate] PROJECT.skn"
    std::string Synopsis() const;
    // "Usage: vantoro-cli build ...", the paragraph and the options: for VERB --help.
    std::string Help() const;
    const CCliOption* FindOption(const std::string& name) const;
};

class CCliVerbs {
public:
    static constexpr const char* kProgram = "vantoro-cli";

    static const std::vector<CCliVerb>& All();
    static const CCliVerb* Find(const std::string& name);
    // The options given before the command.
    static const std::vector<CCliOption>& ProgramOptions();
    // The program's help: every command's synopsis and summary, the options, the exit status.
    static std::string ProgramHelp();
};

}  // namespace vantoro
