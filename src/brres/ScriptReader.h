#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Diagnostic.h"
#include "ScriptStatement.h"

namespace brres {

// Reads the statements of a resource script. Every line that is not understood becomes a
// diagnostic and reading goes on, so one run names every mistake in the script.
class ScriptReader {
public:
    static constexpr size_t kMaxLineLength = 65536;

    std::vector<ScriptStatement> Read(const std::string& text,
                                      std::vector<Diagnostic>& diagnostics);

private:
    void ReadLine(const std::string& line, int number);
    void ReadStatement(const std::string& line, size_t start, int number);
    void ReadQuotedText(ScriptStatement& statement, const std::string& line, size_t pos);
    void ReadIntegerValue(ScriptStatement& statement, const std::string& line, size_t pos);
    // False when the line is not part of the open word list and must be read as a statement.
    bool ContinueWordList(const std::string& line, size_t pos, int number);
    void Finish(ScriptStatement statement);
    void Error(int line, const std::string& message);

    enum class WordListState { ExpectBegin, InValues };

    std::vector<ScriptStatement> statements_;
    std::vector<Diagnostic>* diagnostics_ = nullptr;
    std::optional<ScriptStatement> wordList_;
    WordListState wordListState_ = WordListState::ExpectBegin;
    bool pendingFailed_ = false;
    std::map<std::pair<std::string, uint16_t>, int> seen_;  // type and ID -> line
};

}  // namespace brres
