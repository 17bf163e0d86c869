#pragma once

#include <string>
#include <vector>

#include "ScriptLineOrigin.h"

namespace vantoro {

struct CSkinProblem;

// What stopped a build, in the words of the skin author: every problem names the element
// and the property it comes from ("Title Bar, Bitmap: the file '/skins/title.bmp' is
// missing."), never a line of the temporary script. The same problem found through
// several fields (one missing file that three elements name) is told once, with every
// field that has it.
class CBuildProblems {
public:
    // `text` completes "<field>: ..." for the field the grid names `where`; it is held as
    // given.
    void Add(const std::string& where, const std::string& text);
    // An error the checker found; warnings are not a build's business.
    void AddChecked(const CSkinProblem& problem);
    // The compiler's diagnostics ("_script.txt:7: bitmap 'title.bmp': file not found"),
    // each told as the field that wrote line 7 of the script. Bitmap names are shown as
    // full paths below `folder`. Warnings and lines that name no script line are left
    // out: the compiler's own text stays available beside these.
    void AddCompilerOutput(const std::string& output, const std::vector<CScriptLineOrigin>& origins,
                           const std::string& folder);

    // The compiler's errors that name no line of the script (a database that cannot be
    // written: "/skins/Blue.PDB: cannot write the new content (No space left on device);
    // nothing was written"), each a sentence, in the compiler's order.
    static std::vector<std::string> UnplacedErrors(const std::string& output);

    bool IsEmpty() const { return m_problems.empty(); }
    // One line per problem, in the order first found.
    std::vector<std::string> Lines() const;

private:
    struct CProblem {
        std::string Text;
        std::vector<std::string> Fields;
    };
    std::vector<CProblem> m_problems;
};

}  // namespace vantoro
