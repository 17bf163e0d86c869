#include <gtest/gtest.h>

#include "ScriptReader.h"

using brres::Diagnostic;
using brres::ScriptReader;
using brres::ScriptStatement;

namespace {

struct Parsed {
    std::vector<ScriptStatement> statements;
    std::vector<Diagnostic> diagnostics;
};

Parsed Parse(const std::string& text) {
    Parsed parsed;
    parsed.statements = ScriptReader().Read(text, parsed.diagnostics);
    return parsed;
}

// "line: message" of the only diagnostic, or a note that there were none or several.
std::string OnlyError(const std::string& text) {
    const Parsed parsed = Parse(text);
    if (parsed.diagnostics.size() != 1)
        return std::to_string(parsed.diagnostics.size()) + " diagnostics";
    return std::to_string(parsed.diagnostics[0].line) + ": " + parsed.diagnostics[0].message;
}

}  // namespace

TEST(ScriptReader, ReadsTheStatementsTheBuildWrites) {
    const Parsed parsed = Parse(
        "BITMAPCOLOR ID 3001 \"bmp\\Wall.bmp\" \r\n"
        "BITMAP ID 3027 \"mask.bmp\" \r\n"
        "bitmapGrey16 id 7 \"g.bmp\"\r\n"
        "\r\n"
        "// a comment line\r\n"
        "INTEGER ID 3001 VALUE -1\r\n"
        "STRING ID 3003 \"say \"hi\" C:\\skins\\\"\r\n"
        "STRING ID 3002 \"\"\r\n"
        "WORDLIST ID 3011\r\n"
        "BEGIN\r\n"
        "\t13 11\r\n"
        "END\r\n"
        "WORDLIST ID 3002\n"
        "BEGIN\n"
        "\t-5 +65535\n"
        "  1\n"
        "END\n");
    ASSERT_TRUE(parsed.diagnostics.empty()) << parsed.diagnostics[0].message;
    ASSERT_EQ(parsed.statements.size(), 8u);

    const ScriptStatement& wall = parsed.statements[0];
    EXPECT_EQ(wall.kind, ScriptStatement::Kind::Bitmap);
    EXPECT_EQ(wall.depth, 8);
    EXPECT_EQ(wall.id, 3001);
    EXPECT_EQ(wall.text, "bmp\\Wall.bmp");
    EXPECT_EQ(wall.line, 1);
    EXPECT_EQ(parsed.statements[1].depth, 1);
    EXPECT_EQ(parsed.statements[2].depth, 4);
    EXPECT_EQ(parsed.statements[3].value, -1);
    EXPECT_EQ(parsed.statements[3].line, 6);
    // Nothing is unescaped: the text runs to the last double quote of the line.
    EXPECT_EQ(parsed.statements[4].text, "say \"hi\" C:\\skins\\");
    EXPECT_EQ(parsed.statements[5].text, "");
    EXPECT_EQ(parsed.statements[6].values, (std::vector<int32_t>{13, 11}));
    EXPECT_EQ(parsed.statements[7].values, (std::vector<int32_t>{-5, 65535, 1}));
    EXPECT_STREQ(parsed.statements[7].Type(), "wrdl");
}

TEST(ScriptReader, SkipsAByteOrderMarkAndReadsALastLineWithoutLineEnd) {
    const Parsed parsed = Parse("\xEF\xBB\xBFINTEGER ID 1 VALUE 5\nINTEGER ID 2 VALUE 6");
    ASSERT_TRUE(parsed.diagnostics.empty());
    ASSERT_EQ(parsed.statements.size(), 2u);
    EXPECT_EQ(parsed.statements[1].value, 6);
    EXPECT_EQ(parsed.statements[1].line, 2);
}

TEST(ScriptReader, EveryMistakeNamesItsLine) {
    EXPECT_EQ(OnlyError("INTEGER ID 1 VALUE 1\nFOO ID 1 \"x\"\n"), "2: unknown statement 'FOO'");
    EXPECT_NE(OnlyError(" ID 3001 \"wall.bmp\" \n").find("1: the line starts with ID"),
              std::string::npos);
    EXPECT_EQ(OnlyError("INTEGER ID 1 VALUE 12x\n"), "1: '12x' is not a number");
    EXPECT_EQ(OnlyError("INTEGER ID 1 VALUE 3000000000\n"),
              "1: value 3000000000 does not fit in 32 bits");
    EXPECT_EQ(OnlyError("INTEGER ID 70000 VALUE 1\n"), "1: ID 70000 is outside 0..65535");
    EXPECT_EQ(OnlyError("INTEGER ID -1 VALUE 1\n"), "1: ID -1 is outside 0..65535");
    EXPECT_EQ(OnlyError("INTEGER ID 1 1\n"), "1: VALUE is expected after the ID");
    EXPECT_EQ(OnlyError("STRING ID 1 \"open\n"), "1: the closing double quote is missing");
    EXPECT_EQ(OnlyError("BITMAP ID 1 wall.bmp\n"),
              "1: a file name in double quotes is expected after the ID");
    EXPECT_EQ(OnlyError("BITMAP ID 1 \"a.bmp\" x\n"),
              "1: unexpected text after the closing double quote");
    EXPECT_EQ(OnlyError("END\n"), "1: END without WORDLIST");
    EXPECT_EQ(OnlyError("STRING ID 5 \"a\"\nINTEGER ID 5 VALUE 1\nSTRING ID 5 \"b\"\n"),
              "3: duplicate tSTR ID 5 (first on line 1)");

    EXPECT_EQ(OnlyError("WORDLIST ID 9\nBEGIN\n1 2\n"), "1: WORDLIST ID 9 has no END");
    EXPECT_EQ(OnlyError("WORDLIST ID 9\n1 2\nEND\n"), "1: WORDLIST ID 9 has no BEGIN");
    EXPECT_EQ(OnlyError("WORDLIST ID 9\nINTEGER ID 1 VALUE 1\n"), "1: WORDLIST ID 9 has no BEGIN");
    EXPECT_EQ(OnlyError("WORDLIST ID 9\nBEGIN\n1 two 3\nEND\n"), "3: 'two' is not a number");
    EXPECT_EQ(OnlyError("WORDLIST ID 9\nBEGIN\n1 2\nEND 3\n"), "4: unexpected text after END");
    EXPECT_EQ(OnlyError(std::string(70000, 'x') + "\n"), "1: line is longer than 65536 bytes");
}

// A word list value is stored as one 16-bit word: what would lose its high bits is refused
// with its line, every such value told, and the list is not kept.
TEST(ScriptReader, AWordListValueThatAWordCannotHoldIsRefused) {
    const Parsed parsed =
        Parse("WORDLIST ID 9\nBEGIN\n-32768 65535\n-40000 70000\n-32769 65536\nEND\n");
    ASSERT_EQ(parsed.diagnostics.size(), 4u);
    const std::string range = " does not fit in a 16-bit word (-32768 to 65535)";
    EXPECT_EQ(parsed.diagnostics[0].line, 4);
    EXPECT_EQ(parsed.diagnostics[0].message, "value -40000" + range);
    EXPECT_EQ(parsed.diagnostics[1].line, 4);
    EXPECT_EQ(parsed.diagnostics[1].message, "value 70000" + range);
    EXPECT_EQ(parsed.diagnostics[2].line, 5);
    EXPECT_EQ(parsed.diagnostics[2].message, "value -32769" + range);
    EXPECT_EQ(parsed.diagnostics[3].message, "value 65536" + range);
    EXPECT_TRUE(parsed.statements.empty());
}

TEST(ScriptReader, AnUnclosedWordListDoesNotSwallowTheNextStatement) {
    const Parsed parsed = Parse("WORDLIST ID 9\nBEGIN\n1 2\nINTEGER ID 4 VALUE 7\nBOGUS\n");
    ASSERT_EQ(parsed.diagnostics.size(), 2u);
    EXPECT_EQ(parsed.diagnostics[0].line, 1);
    EXPECT_EQ(parsed.diagnostics[0].message, "WORDLIST ID 9 has no END");
    EXPECT_EQ(parsed.diagnostics[1].line, 5);
    ASSERT_EQ(parsed.statements.size(), 1u);
    EXPECT_EQ(parsed.statements[0].value, 7);
}
