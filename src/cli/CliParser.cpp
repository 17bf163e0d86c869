#include "CliParser.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

namespace vantoro {
namespace {

// Arguments are bytes in no known encoding (file names): Latin-1 carries each byte through
// Qt's parser and back unchanged.
QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// The option's name as a word of the command line spells it: "--png=a.png" and "-png" are
// "png".
std::string SpelledName(const std::string& arg) {
    const size_t dashes = arg.rfind("--", 0) == 0 ? 2 : 1;
    return arg.substr(
        dashes, arg.find('=') == std::string::npos ? std::string::npos : arg.find('=') - dashes);
}

CCliArguments Parse(const std::vector<CCliOption>& options, const CCliVerb* verb,
                    const std::vector<std::string>& args) {
    CCliArguments parsed;
    const std::string context = verb ? " for " + verb->Name : "";
    auto fail = [&parsed](const std::string& message) {
        parsed.Outcome = CCliArguments::EOutcome::UsageError;
        parsed.Error = message;
        return parsed;
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!verb)
        parser.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    for (const CCliOption& option : options) {
        QStringList names{QString::fromStdString(option.Name)};
        if (option.Name == "help") names.prepend(QStringLiteral("h"));
        parser.addOption(QCommandLineOption(names, QString::fromStdString(option.Help),
                                            QString::fromStdString(option.ValueName)));
    }
    QStringList words{QString::fromLatin1(CCliVerbs::kProgram)};
    for (const std::string& arg : args) words << FromBytes(arg);
    if (!parser.parse(words)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const std::string name = unknown.front().toStdString();
            const auto spelled = std::find_if(args.begin(), args.end(), [&](const std::string& a) {
                return a.size() > 1 && a[0] == '-' && SpelledName(a) == name;
            });
            return fail("unknown option '" + (spelled != args.end() ? *spelled : "--" + name) +
                        "'" + context + ".");
        }
        if (!args.empty() && args.back().size() > 1 && args.back()[0] == '-')
            if (const auto option = std::find_if(options.begin(), options.end(),
                                                 [&](const CCliOption& o) {
                                                     return o.TakesValue() &&
                                                            "--" + o.Name == args.back();
                                                 });
                option != options.end())
                return fail(args.back() + " needs a value.");
        return fail(parser.errorText().toStdString());
    }
    for (const CCliOption& option : options) {
        const QString name = QString::fromStdString(option.Name);
        if (!parser.isSet(name)) continue;
        if (!option.TakesValue()) {
            parsed.Values[option.Name];
            continue;
        }
        const QStringList values = parser.values(name);
        if (values.size() > 1) return fail("--" + option.Name + " is given more than once.");
        const std::string value = ToBytes(values.front());
        if (!option.Choices.empty() &&
            std::find(option.Choices.begin(), option.Choices.end(), value) == option.Choices.end())
            return fail("--" + option.Name + " is " + option.ChoiceText + ", not '" + value + "'.");
        parsed.Values[option.Name] = value;
    }
    for (const QString& operand : parser.positionalArguments())
        parsed.Operands.push_back(ToBytes(operand));
    return parsed;
}

}  // namespace

std::string CCliArguments::Value(const std::string& option) const {
    const auto found = Values.find(option);
    return found == Values.end() ? std::string() : found->second;
}

CCliArguments CCliParser::ParseVerb(const CCliVerb& verb, const std::vector<std::string>& args) {
    // Help is asked for wherever it stands, whatever else is wrong; after "--" it is a name.
    const auto end = std::find(args.begin(), args.end(), std::string("--"));
    if (std::any_of(args.begin(), end, IsHelp)) {
        CCliArguments help;
        help.Outcome = CCliArguments::EOutcome::Help;
        return help;
    }
    std::vector<CCliOption> options = verb.Options;
    options.push_back(*verb.FindOption("help"));
    CCliArguments parsed = Parse(options, &verb, args);
    if (parsed.Outcome != CCliArguments::EOutcome::Run) return parsed;
    for (const CCliOption& option : verb.Options)
        if (option.Required && !parsed.Has(option.Name)) {
            parsed.Outcome = CCliArguments::EOutcome::UsageError;
            parsed.Error = verb.Name + " needs --" + option.Name + " " + option.ValueName + ".";
            return parsed;
        }
    if (parsed.Operands.size() != verb.Operands.size()) {
        parsed.Outcome = CCliArguments::EOutcome::UsageError;
        parsed.Error = verb.OperandsError;
    }
    return parsed;
}

CCliArguments CCliParser::ParseProgram(const std::vector<std::string>& args) {
    CCliArguments parsed = Parse(CCliVerbs::ProgramOptions(), nullptr, args);
    if (parsed.Outcome == CCliArguments::EOutcome::Run && parsed.Has("help"))
        parsed.Outcome = CCliArguments::EOutcome::Help;
    return parsed;
}

std::string CCliParser::UsageError(const CCliVerb* verb, const std::string& message) {
    const std::string program = CCliVerbs::kProgram;
    if (!verb) return program + ": " + message + "\nTry '" + program + " --help'.\n";
    return program + ": " + message + "\nusage: " + program + " " + verb->Synopsis() + "\nTry '" +
           program + " " + verb->Name + " --help'.\n";
}

}  // namespace vantoro
