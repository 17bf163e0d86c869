#include "ScriptReader.h"

#include <charconv>

#include "ValueEncoder.h"

namespace brres {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

size_t SkipBlanks(const std::string& line, size_t pos) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    return pos;
}

// The next run of non-blank characters at or after `pos`; `pos` moves past it.
std::string NextToken(const std::string& line, size_t& pos) {
    pos = SkipBlanks(line, pos);
    const size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

struct Keyword {
    const char* name;
    ScriptStatement::Kind kind;
    int depth;
};

const Keyword kKeywords[] = {
    {"BITMAP", ScriptStatement::Kind::Bitmap, 1},
    {"BITMAPGREY", ScriptStatement::Kind::Bitmap, 2},
    {"BITMAPGREY16", ScriptStatement::Kind::Bitmap, 4},
    {"BITMAPCOLOR", ScriptStatement::Kind::Bitmap, 8},
    {"BITMAPCOLOR16K", ScriptStatement::Kind::Bitmap, 16},
    {"INTEGER", ScriptStatement::Kind::Integer, 0},
    {"STRING", ScriptStatement::Kind::String, 0},
    {"WORDLIST", ScriptStatement::Kind::WordList, 0},
};

const Keyword* FindKeyword(const std::string& upper) {
    for (const Keyword& k : kKeywords) {
        if (upper == k.name) return &k;
    }
    return nullptr;
}

// Decimal with an optional sign; false for anything else or a value beyond 64 bits.
bool ParseNumber(const std::string& token, int64_t& value) {
    size_t start = 0;
    bool negative = false;
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        negative = token[0] == '-';
        start = 1;
    }
    if (start == token.size()) return false;
    for (size_t i = start; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9') return false;
    }
    uint64_t magnitude = 0;
    const auto result =
        std::from_chars(token.data() + start, token.data() + token.size(), magnitude);
    if (result.ec != std::errc() || magnitude > uint64_t(INT64_MAX)) return false;
    value = negative ? -int64_t(magnitude) : int64_t(magnitude);
    return true;
}

bool FitsInt32(int64_t value) {
    return value >= INT32_MIN && value <= INT32_MAX;
}

bool IsAllBlank(const std::string& line, size_t pos) {
    return SkipBlanks(line, pos) == line.size();
}

}  // namespace

std::vector<ScriptStatement> ScriptReader::Read(const std::string& text,
                                                std::vector<Diagnostic>& diagnostics) {
    statements_.clear();
    seen_.clear();
    wordList_.reset();
    diagnostics_ = &diagnostics;
    // A byte-order mark from a text editor is not part of the first statement.
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ++number;
        if (end - start > kMaxLineLength) {
            Error(number, "line is longer than " + std::to_string(kMaxLineLength) + " bytes");
        } else {
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            ReadLine(line, number);
        }
        start = end + 1;
    }
    if (wordList_) {
        Error(wordList_->line,
              "WORDLIST ID " + std::to_string(wordList_->id) + " has no " +
                  (wordListState_ == WordListState::ExpectBegin ? "BEGIN" : "END"));
        wordList_.reset();
    }
    diagnostics_ = nullptr;
    return std::move(statements_);
}

void ScriptReader::ReadLine(const std::string& line, int number) {
    const size_t start = SkipBlanks(line, 0);
    if (start == line.size() || line.compare(start, 2, "//") == 0) return;
    if (wordList_ && ContinueWordList(line, start, number)) return;
    ReadStatement(line, start, number);
}

void ScriptReader::ReadStatement(const std::string& line, size_t start, int number) {
    size_t pos = start;
    const std::string word = NextToken(line, pos);
    const std::string upper = Upper(word);
    if (upper == "ID") {
        Error(number,
              "the line starts with ID: the resource keyword (BITMAP, BITMAPGREY, BITMAPGREY16, "
              "BITMAPCOLOR or BITMAPCOLOR16K) is missing");
        return;
    }
    if (upper == "BEGIN" || upper == "END") {
        Error(number, upper + " without WORDLIST");
        return;
    }
    const Keyword* keyword = FindKeyword(upper);
    if (!keyword) {
        Error(number, "unknown statement '" + word + "'");
        return;
    }
    const std::string idWord = NextToken(line, pos);
    if (Upper(idWord) != "ID") {
        Error(number, upper + " must be followed by ID");
        return;
    }
    const std::string idText = NextToken(line, pos);
    int64_t id = 0;
    if (idText.empty()) {
        Error(number, "the resource ID is missing");
        return;
    }
    if (!ParseNumber(idText, id)) {
        Error(number, "'" + idText + "' is not a number");
        return;
    }
    if (id < 0 || id > 65535) {
        Error(number, "ID " + idText + " is outside 0..65535");
        return;
    }

    ScriptStatement statement;
    statement.kind = keyword->kind;
    statement.depth = keyword->depth;
    statement.line = number;
    statement.id = static_cast<uint16_t>(id);
    switch (statement.kind) {
        case ScriptStatement::Kind::Bitmap:
        case ScriptStatement::Kind::String:
            ReadQuotedText(statement, line, pos);
            break;
        case ScriptStatement::Kind::Integer:
            ReadIntegerValue(statement, line, pos);
            break;
        case ScriptStatement::Kind::WordList:
            wordList_ = statement;
            wordListState_ = WordListState::ExpectBegin;
            pendingFailed_ = false;
            if (!IsAllBlank(line, pos)) ContinueWordList(line, pos, number);
            break;
    }
}

void ScriptReader::ReadQuotedText(ScriptStatement& statement, const std::string& line, size_t pos) {
    pos = SkipBlanks(line, pos);
    if (pos == line.size() || line[pos] != '"') {
        Error(statement.line,
              std::string("a ") +
                  (statement.kind == ScriptStatement::Kind::Bitmap ? "file name" : "text") +
                  " in double quotes is expected after the ID");
        return;
    }
    // Nothing inside is escaped: the text runs to the last double quote of the line.
    const size_t last = line.rfind('"');
    if (last == pos) {
        Error(statement.line, "the closing double quote is missing");
        return;
    }
    if (!IsAllBlank(line, last + 1)) {
        Error(statement.line, "unexpected text after the closing double quote");
        return;
    }
    statement.text = line.substr(pos + 1, last - pos - 1);
    if (statement.text.find('\0') != std::string::npos) {
        Error(statement.line, "the quoted text holds a NUL byte");
        return;
    }
    Finish(std::move(statement));
}

void ScriptReader::ReadIntegerValue(ScriptStatement& statement, const std::string& line,
                                    size_t pos) {
    const std::string valueWord = NextToken(line, pos);
    if (Upper(valueWord) != "VALUE") {
        Error(statement.line, "VALUE is expected after the ID");
        return;
    }
    const std::string text = NextToken(line, pos);
    int64_t value = 0;
    if (text.empty()) {
        Error(statement.line, "the value is missing");
        return;
    }
    if (!ParseNumber(text, value)) {
        Error(statement.line, "'" + text + "' is not a number");
        return;
    }
    if (!FitsInt32(value)) {
        Error(statement.line, "value " + text + " does not fit in 32 bits");
        return;
    }
    if (!IsAllBlank(line, pos)) {
        Error(statement.line, "unexpected text after the value");
        return;
    }
    statement.value = static_cast<int32_t>(value);
    Finish(std::move(statement));
}

bool ScriptReader::ContinueWordList(const std::string& line, size_t pos, int number) {
    ScriptStatement& list = *wordList_;
    const std::string name = "WORDLIST ID " + std::to_string(list.id);
    if (wordListState_ == WordListState::ExpectBegin) {
        const size_t before = pos;
        const std::string word = NextToken(line, pos);
        const std::string upper = Upper(word);
        if (upper != "BEGIN") {
            Error(list.line, name + " has no BEGIN");
            if (FindKeyword(upper) && list.line != number) {
                wordList_.reset();
                return false;  // a statement of its own
            }
            // Values without BEGIN: read on to END so that they are not taken for statements.
            pendingFailed_ = true;
            pos = before;
        }
        wordListState_ = WordListState::InValues;
    }
    for (;;) {
        const size_t before = pos;
        const std::string word = NextToken(line, pos);
        if (word.empty()) return true;
        const std::string upper = Upper(word);
        if (upper == "END") {
            if (!IsAllBlank(line, pos)) Error(number, "unexpected text after END");
            ScriptStatement done = std::move(*wordList_);
            wordList_.reset();
            if (!pendingFailed_) Finish(std::move(done));
            return true;
        }
        if (FindKeyword(upper) && before == SkipBlanks(line, 0)) {
            // A new statement: this list was never closed.
            Error(list.line, name + " has no END");
            wordList_.reset();
            return false;
        }
        int64_t value = 0;
        if (!ParseNumber(word, value)) {
            Error(number, "'" + word + "' is not a number");
            pendingFailed_ = true;
        } else if (value < ValueEncoder::kMinWord || value > ValueEncoder::kMaxWord) {
            // Cut to its low 16 bits it would come back as another number.
            Error(number, "value " + word + " does not fit in a 16-bit word (" +
                              std::to_string(ValueEncoder::kMinWord) + " to " +
                              std::to_string(ValueEncoder::kMaxWord) + ")");
            pendingFailed_ = true;
        } else if (list.values.size() == ValueEncoder::kMaxWordListValues) {
            Error(number, name + " has more than " +
                              std::to_string(ValueEncoder::kMaxWordListValues) + " values");
            pendingFailed_ = true;
        } else if (!pendingFailed_) {
            list.values.push_back(static_cast<int32_t>(value));
        }
    }
}

void ScriptReader::Finish(ScriptStatement statement) {
    const auto key = std::make_pair(std::string(statement.Type()), statement.id);
    const auto [it, inserted] = seen_.emplace(key, statement.line);
    if (!inserted) {
        Error(statement.line, std::string("duplicate ") + statement.Type() + " ID " +
                                  std::to_string(statement.id) + " (first on line " +
                                  std::to_string(it->second) + ")");
        return;
    }
    statements_.push_back(std::move(statement));
}

void ScriptReader::Error(int line, const std::string& message) {
    diagnostics_->push_back({line, message, false});
}

}  // namespace brres
