#include "CliVerbs.h"

#include <algorithm>
#include <string>

#include "ColourDepth.h"
#include "Resolution.h"

namespace vantoro {
namespace {

using C = ECliCompletion;

// The options every command takes.
CCliOption Switch(const char* name, const char* help) {
    CCliOption option;
    option.Name = name;
    option.Help = help;
    return option;
}

const CCliOption kHelpOption = Switch("help", "show this help");

// "  --zoom N          ...": the options of a help text, their help in one column.
std::string OptionLines(const std::vector<CCliOption>& options) {
    std::vector<std::string> heads;
    size_t width = 0;
    for (const CCliOption& option : options) {
        std::string head = (option.Name == "help" ? "-h, --" : "--") + option.Name;
        if (option.TakesValue()) head += " " + option.ValueName;
        width = std::max(width, head.size());
        heads.push_back(head);
    }
    std::string lines;
    for (size_t i = 0; i < options.size(); ++i)
        lines += "  " + heads[i] + std::string(width - heads[i].size() + 2, ' ') + options[i].Help +
                 "\n";
    return lines;
}

CCliOption Value(const char* name, const char* valueName, const char* help,
                 ECliCompletion completion = C::None, const char* extensions = "") {
    CCliOption option = Switch(name, help);
    option.ValueName = valueName;
    option.Completion = completion;
    option.Extensions = extensions;
    return option;
}

CCliOption Required(CCliOption option) {
    option.Required = true;
    return option;
}

// The value names the choices as "160|320" unless `valueName` is given.
CCliOption Choice(const char* name, const char* help, std::vector<std::string> choices,
                  const char* choiceText, const char* valueName = nullptr) {
    std::string joined;
    for (const std::string& choice : choices) joined += (joined.empty() ? "" : "|") + choice;
    CCliOption option = Value(name, valueName ? valueName : joined.c_str(), help, C::Choice);
    option.Choices = std::move(choices);
    option.ChoiceText = choiceText;
    return option;
}

// The screen sizes and the depths, as the option values and their mistakes name them.
std::vector<std::string> ResoChoices() {
    std::vector<std::string> sides;
    for (const CResolution& reso : CResolution::All()) sides.push_back(std::to_string(reso.Side()));
    return sides;
}

std::vector<std::string> DepthChoices() {
    std::vector<std::string> codes;
    for (const CColourDepth& depth : CColourDepth::All())
        codes.push_back(std::to_string(depth.Code()));
    return codes;
}

std::vector<CCliVerb> MakeVerbs() {
    const std::string resoText = CResolution::SidesText(" or ");
    const std::string depthText = CColourDepth::CodesText(" or ");
    const CCliOperand project{"PROJECT.skn", C::File, "skn"};
    const CCliOperand database{"SKIN.PDB", C::File, "pdb"};
    const CCliOperand folder{"FOLDER", C::Folder, ""};
    return {
        {"build",
         "build the skin database as Build Skin does and print its path",
         "Builds the skin database as Build Skin does, in the project folder, and prints its\n"
         "path. Exits 1 when the project has an error or the compiler fails.\n",
         {Switch("keep-intermediate",
                 "leave _script.txt and the wall paper tiles in the project folder")},
         {project},
         "build takes exactly one project file."},
        {"script",
         "write the resource script the build would write to standard output",
         "Writes the resource script the build would write to standard output.\n",
         {},
         {project},
         "script takes exactly one project file."},
        {"check",
         "list every problem a build or the handheld would hit",
         "Lists every problem a build or the handheld would hit, one a line; exits 1 when one\n"
         "of them is an error.\n",
         {},
         {project},
         "check takes exactly one project file."},
        {"render",
         "draw the skin's screen as the handheld shows it into a PNG file",
         "Draws the skin's screen as the handheld shows it into a PNG file. The problems check\n"
         "finds are listed; the picture is written even when one of them is an error, and the\n"
         "command then exits 1. OUT.png may not be the project or one of its bitmaps.\n",
         {Required(Value("png", "OUT.png", "the PNG file to write", C::File, "png")),
          Choice("zoom", "draw it N times as large (1 to 8)",
                 {"1", "2", "3", "4", "5", "6", "7", "8"}, "a whole number from 1 to 8", "N"),
          Switch("maximized", "with the list maximized"),
          Switch("no-overlay", "without the outlines of the elements")},
         {project},
         "render takes exactly one project file."},
        {"info",
         "describe a skin database",
         "Describes a Palm OS database: its name, type, creator and dates, and every resource\n"
         "with what it holds; a bitmap family one line for each member. With --png, every member\n"
         "of every Tbmp and tAIB family is also written to DIR (made when missing) as\n"
         "<type>-<ID>-<depth>bpp-<density>.png, for example Tbmp-3001-8bpp-x1.png.\n"
         "\n"
         "Exit status: 0 on success, 1 for a file that cannot be read or a picture that cannot\n"
         "be written, 2 on a usage error.\n",
         {Value("png", "DIR", "write every bitmap into DIR as PNG files", C::Folder)},
         {{"FILE.PDB", C::File, "pdb"}},
         "info takes exactly one database."},
        {"new",
         "start a skin in FOLDER: NAME.skn and a placeholder for every bitmap",
         "Starts a skin in FOLDER (made when missing): NAME.skn and a placeholder for every\n"
         "bitmap, 160x160 and 256 colours unless --reso and --depth say otherwise. NAME is at\n"
         "most 31 characters of Windows-1252. No file is replaced.\n",
         {Required(Value("name", "NAME", "the skin's name")),
          Choice("reso", "the screen's width and height in pixels", ResoChoices(),
                 resoText.c_str()),
          Choice("depth", "bits per pixel of every bitmap", DepthChoices(), depthText.c_str())},
         {folder},
         "new takes one folder."},
        {"unpack",
         "recover the project of a skin database",
         "Recovers the project of a skin database: NAME.skn and every bitmap as a BMP file in\n"
         "FOLDER (made when missing). No file there is replaced.\n",
         {},
         {database, folder},
         "unpack takes a skin database and a folder."},
        {"derive",
         "write a variant of a skin for another screen size or depth into FOLDER",
         "Writes a variant of the skin for another handheld into FOLDER (made when missing):\n"
         "every rectangle, point and size scaled to the new screen by its edges, every bitmap\n"
         "resampled to its new size (averaged down, repeated up; masks by coverage) and put\n"
         "into the new depth's colours. The variant is named NAME, or after the original with\n"
         "its resolution and depth (\"Nightfall 160 4g\"). No file there is replaced. What\n"
         "could not be carried over exactly is listed as warnings at the end.\n",
         {Required(Choice("reso", "the new screen's width and height in pixels", ResoChoices(),
                          resoText.c_str())),
          Required(Choice("depth", "the new bits per pixel", DepthChoices(), depthText.c_str())),
          Choice("dither", "how colours the new depth lacks are mixed; none is the default",
                 {"none", "ordered", "diffusion"}, "none, ordered or diffusion"),
          Value("name", "NAME", "the variant's skin name")},
         {project, folder},
         "derive takes a project file and a folder."},
        {"import",
         "put a picture into the bitmap a key names, in the skin's colours",
         "Maps a picture (PNG, BMP, GIF, JPEG, WebP where Qt has the plug-in) to the skin's\n"
         "colours and writes the BMP the key names (TitleBar.Bmp, SystemIcons.BmpCategories,\n"
         "...); where the picture is transparent and the element has a mask, the mask too. The\n"
         "files written are printed.\n",
         {Choice("dither", "how colours the skin lacks are mixed; none is the default",
                 {"none", "ordered", "diffusion"}, "none, ordered or diffusion"),
          Switch("fit", "cut or pad the picture to the element's size")},
         {project,
          {"SECTION.KEY", C::BitmapKey, ""},
          {"IMAGE", C::File, "png|bmp|gif|jpg|jpeg|webp"}},
         "import takes a project file, a bitmap key and an image."},
    };
}

}  // namespace

std::string CCliVerb::Synopsis() const {
    std::string synopsis = Name;
    for (const CCliOperand& operand : Operands) synopsis += " " + operand.Name;
    for (const CCliOption& option : Options) {
        std::string word = "--" + option.Name;
        if (option.TakesValue()) word += " " + option.ValueName;
        synopsis += " " + (option.Required ? word : "[" + word + "]");
    }
    return synopsis;
}

std::string CCliVerb::Help() const {
    std::vector<CCliOption> options = Options;
    options.push_back(kHelpOption);
    return std::string("Usage: ") + CCliVerbs::kProgram + " " + Synopsis() + "\n\n" + Text +
           "\nOptions:\n" + OptionLines(options);
}

const CCliOption* CCliVerb::FindOption(const std::string& name) const {
    if (name == kHelpOption.Name) return &kHelpOption;
    for (const CCliOption& option : Options)
        if (option.Name == name) return &option;
    return nullptr;
}

const std::vector<CCliVerb>& CCliVerbs::All() {
    static const std::vector<CCliVerb> verbs = MakeVerbs();
    return verbs;
}

const CCliVerb* CCliVerbs::Find(const std::string& name) {
    for (const CCliVerb& verb : All())
        if (verb.Name == name) return &verb;
    return nullptr;
}

const std::vector<CCliOption>& CCliVerbs::ProgramOptions() {
    static const std::vector<CCliOption> options = {
        Value("compiler-library", "PATH",
              "use this compiler library instead of the one beside the program", C::File),
        kHelpOption,
        Switch("version", "show the version"),
    };
    return options;
}

std::string CCliVerbs::ProgramHelp() {
    std::string help = std::string("Usage: ") + kProgram +
                       " [--compiler-library PATH] COMMAND ARGUMENTS...\n       " + kProgram +
                       " COMMAND --help\n\nCommands:\n";
    for (const CCliVerb& verb : All())
        help += "  " + verb.Synopsis() + "\n      " + verb.Summary + "\n";
    return help + "\nOptions:\n" + OptionLines(ProgramOptions()) +
           "\nExit status: 0 on success (check, render: no error found), 1 on failure, 2 on a "
           "usage "
           "error.\n";
}

}  // namespace vantoro
