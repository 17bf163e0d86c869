#include "SkinNameArgument.h"

#include <QList>
#include <QString>

#include "CliVerbs.h"
#include "RuleBook.h"
#include "TextCodec.h"

namespace vantoro {

std::optional<std::string> CSkinNameArgument::Read(const std::string& value, std::ostream& err) {
    QString unheld;
    const std::optional<std::string> name =
        ToWindows1252(QString::fromLocal8Bit(value.c_str()), &unheld);
    if (!name) {
        err << CCliVerbs::kProgram << ": The skin name '" << value << "' holds '"
            << unheld.toLocal8Bit().toStdString() << "' (U+"
            << QString::number(unheld.toUcs4().value(0), 16)
                   .toUpper()
                   .rightJustified(4, u'0')
                   .toStdString()
            << "), which Windows-1252, the skin's code page, cannot hold.\n";
        return std::nullopt;
    }
    // Told in the terminal's own code page, as the name was typed.
    if (const std::string problem = CRuleBook::SkinNameProblem(*name); !problem.empty()) {
        err << CCliVerbs::kProgram << ": " << ToQString(problem).toLocal8Bit().toStdString()
            << "\n";
        return std::nullopt;
    }
    return name;
}

}  // namespace vantoro
