#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>

#include "Bmp.h"
#include "FileNameResolver.h"
#include "ResultAssert.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

using S = CSkinProblem::Severity;

// A complete, clean project on disk, loaded, whose fields a test changes in memory.
struct LoadedProject {
    test::TempFolder dir;
    CSkinProject project;

    explicit LoadedProject(int reso = 1, int depth = 8) {
        const std::string path = test::SkinProjectWriter(reso, depth).Write(dir.Folder());
        EXPECT_TRUE(Succeeded(project.LoadProject(path)));
    }

    template <class T>
    T& Field(const char* id) {
        const CSkinField* field = CSkinFields::Find(id);
        EXPECT_NE(field, nullptr) << id;
        return *std::get<T*>(project.Element(field->Element).Field(*field));
    }

    // The worst finding on `id`, or none.
    std::optional<S> Worst(const char* id) {
        std::optional<S> worst;
        for (const CSkinProblem& problem : CRuleBook().Check(project)) {
            if (problem.Element != id) continue;
            if (problem.IsError() || !worst) worst = problem.Level;
        }
        return worst;
    }
};

// One edge of one rule: the value just inside leaves the field clean, the value just past
// it gives the severity.
struct Edge {
    const char* field;
    std::function<void(LoadedProject&, bool past)> set;
    std::optional<S> inside;
    S past;
};

TEST(RuleBook, EveryRuleHoldsAtItsEdge) {
    LoadedProject p;
    ASSERT_TRUE(CRuleBook().Check(p.project).empty()) << CRuleBook().Check(p.project)[0].Format();

    auto number = [](const char* id, int32_t inside, int32_t past) {
        return Edge{
            id,
            [=](LoadedProject& q, bool beyond) { q.Field<int32_t>(id) = beyond ? past : inside; },
            std::nullopt, S::Error};
    };
    auto text = [](const char* id, std::string inside, std::string past, std::optional<S> in,
                   S out) {
        return Edge{id,
                    [=](LoadedProject& q, bool beyond) {
                        q.Field<std::string>(id) = beyond ? past : inside;
                    },
                    in, out};
    };
    auto rect = [](const char* id, CRect inside, CRect past, S out,
                   std::optional<S> in = std::nullopt) {
        return Edge{
            id, [=](LoadedProject& q, bool beyond) { q.Field<CRect>(id) = beyond ? past : inside; },
            in, out};
    };
    const std::vector<Edge> edges = {
        // The word lists hold signed 16-bit words: heights and sizes 0..32767.
        number("ScrollBar.ButtonTopHeight", 32767, 32768),
        number("ScrollBar.ThumbBottomHeight", 0, -1),
        {"Popups.MaxSizeCategory",
         [](LoadedProject& q, bool beyond) {
             q.Field<CSize>("Popups.MaxSizeCategory").cy = beyond ? 32768 : 32767;
         },
         std::nullopt, S::Error},
        // Points are coordinates; off the screen is advice.
        {"Popups.PtTools",
         [](LoadedProject& q, bool beyond) {
             q.Field<CPoint>("Popups.PtTools").x = beyond ? -32769 : -32768;
         },
         S::Warning, S::Error},
        {"Popups.PtCategory",
         [](LoadedProject& q, bool beyond) {
             q.Field<CPoint>("Popups.PtCategory").y = beyond ? 161 : 160;
         },
         std::nullopt, S::Warning},
        // Rectangles: edges and sizes in the word, on the screen, not turned inside out.
        rect("TitleBar.Rect", {0, 0, 160, 15}, {0, 0, 161, 15}, S::Warning),
        rect("TitleBar.Rect", {-32768, 0, -32767, 15}, {-32769, 0, -32767, 15}, S::Error,
             S::Warning),
        rect("TitleBar.Rect", {0, 0, 32767, 15}, {0, 0, 32768, 15}, S::Error, S::Warning),
        rect("TitleBar.Rect", {5, 0, 5, 15}, {5, 0, 4, 15}, S::Warning),
        rect("ScrollBar.RectThumb", {0, 0, 10, 32767}, {0, 0, 10, 32768}, S::Error),
        // The help texts' advice: the tool bar at x = 0, buttons inside it.
        rect("ToolBar.Rect", {0, 140, 160, 160}, {1, 140, 161, 160}, S::Warning),
        rect("ToolBar.RectButtonInfo", {150, 10, 160, 20}, {151, 10, 161, 20}, S::Warning),
        // Texts: what the project file gives back, and the help's advice.
        text("SkinInfo.Author", std::string(63, 'a'), std::string(64, 'a'), std::nullopt,
             S::Warning),
        text("SkinInfo.Comments", std::string(259, 'c'), std::string(260, 'c'), std::nullopt,
             S::Error),
        text("SkinInfo.Comments", "two lines", "two\nlines", std::nullopt, S::Error),
        text("WallPaper.Bmp", "wall.bmp", "wall\t.bmp", std::nullopt, S::Error),
        // The database's name, and a file name Windows takes.
        text("SkinInfo.SkinName", std::string(31, 'n'), std::string(32, 'n'), std::nullopt,
             S::Error),
        text("SkinInfo.SkinName", "CONSOLE", "CON", std::nullopt, S::Error),
        text("SkinInfo.SkinName", "COM0", "com1.skin", std::nullopt, S::Error),
        text("SkinInfo.SkinName", "Skin.1", "Skin.", std::nullopt, S::Error),
        text("SkinInfo.SkinName", "My Skin", "My Skin ", std::nullopt, S::Error),
        text("SkinInfo.SkinName", "a", "", std::nullopt, S::Error),
        {"DateTime.TextColor",
         [](LoadedProject& q, bool beyond) {
             q.Field<COLORREF>("DateTime.TextColor") = beyond ? 0x1000000 : 0xFFFFFF;
         },
         std::nullopt, S::Error},
        // The codes the build writes; a wrong code is shown on its choice row.
        {"SkinInfo.ResoIndex",
         [](LoadedProject& q, bool beyond) { q.Field<int32_t>("SkinInfo.Reso") = beyond ? 3 : 1; },
         std::nullopt, S::Error},
        {"SkinInfo.DepthIndex",
         [](LoadedProject& q, bool beyond) {
             q.Field<int32_t>("SkinInfo.Depth") = beyond ? 24 : 16;
         },
         std::nullopt, S::Error},
    };
    for (const Edge& edge : edges) {
        LoadedProject q;
        SCOPED_TRACE(edge.field);
        edge.set(q, false);
        EXPECT_EQ(q.Worst(edge.field), edge.inside) << "inside the edge";
        edge.set(q, true);
        EXPECT_EQ(q.Worst(edge.field), std::optional<S>(edge.past)) << "past the edge";
    }

    // The database's path: 259 characters and no more.
    const std::string name = p.project.SkinInfo.SkinName;
    const std::string tail = name + ".PDB";
#ifdef _WIN32
    const std::string root = "C:/";  // a folder without its drive is not absolute there
#else
    const std::string root = "/";
#endif
    p.project.Folder =
        root + std::string(CRuleBook::kMaxPathLength - tail.size() - root.size() - 1, 'f') + "/";
    EXPECT_EQ(CRuleBook::DatabasePath(p.project).size(), CRuleBook::kMaxPathLength);
    EXPECT_FALSE(p.Worst("SkinInfo.SkinName"));
    p.project.Folder.insert(root.size(), "g");
    EXPECT_EQ(p.Worst("SkinInfo.SkinName"), std::optional<S>(S::Error));
}

TEST(RuleBook, BitmapFilesAreHeldToWhatTheCompilerTakesAndTheLauncherShows) {
    LoadedProject p;
    auto write = [&](const char* name, int width, int height, int bits,
                     std::function<uint32_t(int, int)> pixel = {}) {
        test::BmpRecipe recipe;
        recipe.width = width;
        recipe.height = height;
        recipe.bits = bits;
        if (bits <= 8)
            for (int i = 0; i < (1 << bits); ++i) recipe.palette.push_back(uint32_t(i * 0x010101));
        recipe.pixel = std::move(pixel);
        test::WriteBmp(p.dir.Path(name), recipe);
    };
    auto worst = [&](const char* id, std::function<void()> make) {
        make();
        return p.Worst(id);
    };
    // The compiler takes at most 4096 pixels a side.
    EXPECT_FALSE(worst("SystemIcons.BmpMiscIcons", [&] { write("misc.bmp", 4096, 1, 8); }));
    EXPECT_EQ(worst("SystemIcons.BmpMiscIcons", [&] { write("misc.bmp", 4097, 1, 8); }), S::Error);
    // A resource holds 65,505 bytes: 16 of header and rows of even bytes.
    EXPECT_FALSE(worst("SystemIcons.BmpMiscIcons", [&] { write("misc.bmp", 256, 255, 8); }));
    // More is no warning: no handheld record holds it, and the readers refuse it.
    EXPECT_EQ(worst("SystemIcons.BmpMiscIcons", [&] { write("misc.bmp", 256, 256, 8); }), S::Error);
    // The wall paper fills the screen.
    EXPECT_EQ(worst("WallPaper.Bmp", [&] { write("wall.bmp", 161, 160, 8); }), S::Warning);
    write("wall.bmp", 160, 160, 8);
    // An 8-bit skin shows 256 colours.
    EXPECT_FALSE(worst("SystemIcons.BmpMiscIcons", [&] {
        write("misc.bmp", 16, 16, 24, [](int x, int y) { return uint32_t(y * 16 + x); });
    }));
    EXPECT_EQ(worst("SystemIcons.BmpMiscIcons",
                    [&] {
                        write("misc.bmp", 16, 17, 24,
                              [](int x, int y) { return uint32_t(y * 16 + x); });
                    }),
              S::Warning);
    // A 16-bit skin shows 65536: every colour of a picture counts, wherever its bits lie.
    p.project.SkinInfo.Depth = 16;
    auto tooColourful = [&](int rows) {
        write("misc.bmp", 256, 257, 24, [rows](int x, int y) {
            return (uint32_t((y % rows) * 256 + x) * 2654435761u) & 0xFFFFFF;
        });
        for (const CSkinProblem& problem : CRuleBook().Check(p.project))
            if (problem.Message.find("more than 65536 colours") != std::string::npos) return true;
        return false;
    };
    EXPECT_FALSE(tooColourful(256));
    EXPECT_TRUE(tooColourful(257));
    p.project.SkinInfo.Depth = 8;
    write("misc.bmp", 16, 16, 8);
    // A mask is 1-bit, as large as its bitmap and the rectangle both are drawn in.
    const CRect title = p.project.TitleBar.Rect;
    const int w = title.right - title.left, h = title.bottom - title.top;
    EXPECT_FALSE(worst("TitleBar.BmpMask", [&] { write("titlem.bmp", w, h, 1); }));
    EXPECT_EQ(worst("TitleBar.BmpMask", [&] { write("titlem.bmp", w, h, 4); }), S::Warning);
    EXPECT_EQ(worst("SystemIcons.BmpCategoriesMask", [&] { write("catm.bmp", 1, 1, 1); }),
              S::Warning);
    // Missing, unnamed or unreadable: the build cannot go on.
    EXPECT_EQ(worst("Battery.Bmp",
                    [&] {
                        test::WriteFile(p.dir.Path("bat.bmp"), {'B', 'M'});
                    }),
              S::Error);
    p.project.Battery.Bmp.clear();
    EXPECT_EQ(p.Worst("Battery.Bmp"), std::optional<S>(S::Error));
}

TEST(RuleBook, JudgesATypedValueForItsRowAloneAndNamesTheRowAndRange) {
    LoadedProject p;
    const CSkinProject& project = p.project;
    // A point's parts are judged apart: only the row typed in is named.
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::Popups, 2, int32_t(40000)),
              "Bottom must be between -32768 and 32767.");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::Popups, 1, int32_t(5)), "");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::ScrollBar, 4, int32_t(99999)),
              "Top Button Height must be between 0 and 32767.");
    // What typing and the dialog can say of a rectangle: from 0,0, at least a pixel.
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::TitleBar, 1, CRect{0, 0, 0, 15}),
              "Location must have its width between 1 and 32767.");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::TitleBar, 1, CRect{-1, 0, 10, 15}),
              "Location must have its left edge between 0 and 32767.");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::TitleBar, 1, CRect{0, 0, 99999, 15}),
              "Location must have its width between 1 and 32767.");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::DateTime, 2, COLORREF(0xFF000000u)),
              "Text Color must be red,green,blue, each from 0 to 255.");
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::SkinInfo, 4, std::string(260, 'a')),
              "Author must not be longer than 259 characters.");
    // Advice marks a value but lets it in.
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::SkinInfo, 4, std::string(70, 'a')), "");
    const std::vector<CSkinProblem> advice =
        CRuleBook::Judge(project, CSkinElement::SkinInfo, 4, std::string(70, 'a'));
    ASSERT_EQ(advice.size(), 1u);
    EXPECT_FALSE(advice[0].IsError());
    EXPECT_EQ(advice[0].Where(), "Skin Info, Author");
    // Whatever the file holds elsewhere, only the row's own value is judged.
    p.project.TitleBar.Rect = CRect{0, 0, 99999, 15};
    EXPECT_EQ(CRuleBook::Refusal(project, CSkinElement::Popups, 1, int32_t(5)), "");
}

}  // namespace
}  // namespace vantoro

namespace vantoro {

// Links and pipes are the POSIX file system's.
// A hand-edited project file holds lines the load reads otherwise than they look. They
// are read as they always were (the same values load, a save writes what it wrote), and
// each is a warning that names its line, on the value it concerns.
TEST(RuleBook, LinesReadOtherwiseThanTheyLookAreWarningsNamingTheirLine) {
    test::TempFolder dir;
    test::SkinProjectWriter writer(1, 8);
    writer.Set("SkinInfo", "SkinName", "Meadow");
    writer.Set("SkinInfo", "Depth", "8abc");
    writer.Set("SkinInfo", "Author", "J\x81rg \x8D\x90");
    writer.Set("SkinInfo", std::string("Com\0ments", 9), "hidden");
    writer.Set("TitleBar", "Rect", "0,0,160,15,99,abc");
    writer.Set("DateTime", "Rect", ",,,,,,,,,,");
    const std::string path = writer.Write(dir.Folder());
    const std::string text = writer.Text() + "[TitleBar]\r\nRect=1,2,3,4\r\n";
    test::WriteText(path, text);
    auto lineAt = [&](size_t pos) {
        EXPECT_NE(pos, std::string::npos);
        return std::to_string(std::count(text.begin(), text.begin() + std::ptrdiff_t(pos), '\n') +
                              1);
    };
    auto at = [&](size_t pos) { return "Meadow.skn, line " + lineAt(pos) + ": "; };
    struct Said {
        const char* element;
        std::string message;
    };
    const std::vector<Said> expected = {
        {"SkinInfo.DepthIndex",
         at(text.find("Depth=")) + "'Depth=8abc' is read as 8; the rest of the value is ignored."},
        {"TitleBar.Rect",
         at(text.find("Rect=0,0,160,15,")) +
             "'Rect=0,0,160,15,99,abc' is read as 0,0,160,15; the rest of the value is ignored."},
        {"DateTime.Rect", at(text.find("Rect=,")) +
                              "'Rect=,,,,,,,,,,' is read as 0,0,0,0; none of its 4 numbers can "
                              "be read."},
        // Read and saved as they are.
        {"SkinInfo.Author", at(text.find("Author=")) +
                                "'Author=J\\x81rg \\x8D\\x90' holds the byte 0x81, which is no "
                                "character in Windows-1252; it is kept as it is."},
        {"SkinInfo.Comments",
         at(text.find(std::string("Com\0", 4))) +
             "'Com\\x00ments=hidden' holds a NUL byte in its name; the line is not read."},
        {"TitleBar.Rect", at(text.rfind("[TitleBar]")) +
                              "'[TitleBar]' comes a second time and is ignored with its keys; "
                              "only the first (line " +
                              lineAt(text.find("[TitleBar]")) + ") is read."},
    };

    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(path)));
    EXPECT_EQ(project.SkinInfo.Depth, 8);
    EXPECT_EQ(project.SkinInfo.Author, "J\x81rg \x8D\x90");
    EXPECT_EQ(project.SkinInfo.Comments, writer.Get("SkinInfo", "Comments"));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(project.DateTime.Rect, CRect{});
    auto check = [&](std::span<const Said> wanted) {
        const std::vector<CSkinProblem> found = CRuleBook().Check(project);
        std::string all;
        for (const CSkinProblem& p : found) all += p.Format() + "\n";
        EXPECT_EQ(found.size(), wanted.size()) << all;
        for (const Said& said : wanted) {
            const auto it = std::find_if(found.begin(), found.end(), [&](const CSkinProblem& p) {
                return p.Message == said.message;
            });
            ASSERT_NE(it, found.end()) << said.message << "\n" << all;
            EXPECT_FALSE(it->IsError()) << said.message;
            EXPECT_EQ(it->File, project.PathName);
            // On the row the grid and the tree mark.
            EXPECT_EQ(it->Element, said.element);
            EXPECT_EQ(it->ItemId, CSkinFields::Find(said.element)->Rows[0].ItemId);
        }
    };
    check(expected);

    // A save writes each value as it was read; the lines it does not read stay as they are,
    // and are still said.
    ASSERT_TRUE(Succeeded(project.SaveProject()));
    const std::string saved = test::ReadText(path);
    EXPECT_NE(saved.find("Depth=8\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[TitleBar]\r\nRect=0,0,160,15\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[DateTime]\r\nRect=0,0,0,0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Author=J\x81rg \x8D\x90\r\n"), std::string::npos);
    EXPECT_NE(saved.find(std::string("Com\0ments", 9) + "=hidden\r\n"), std::string::npos);
    EXPECT_TRUE(saved.ends_with("[TitleBar]\r\nRect=1,2,3,4\r\n"));
    check(std::span(expected).subspan(3));
}

#ifndef _WIN32

// The one rule for every file a project writes. A folder from elsewhere names the
// project file under another spelling, the build's own files, files outside by "..",
// by a Windows separator or absolutely, and links out: each refusal says why, and check
// tells the rows that name them.
TEST(RuleBook, ANameTheProjectWritesStaysInsideItsFolderAndOffItsOwnFiles) {
    namespace fs = std::filesystem;
    using Reason = CWriteRule::Reason;
    test::TempFolder outside;
    const std::string victim = outside.WriteFile("victim.bmp", "outside");
    LoadedProject p;
    const std::string folder = p.project.Folder;
    const CWriteRule rule = CWriteRule::ForProject(p.project);
    const std::string projectName = fs::path(p.project.PathName).filename().string();
    std::string otherSpelling = projectName;
    for (char& c : otherSpelling) c = char(std::toupper(static_cast<unsigned char>(c)));
    fs::create_directory(folder + "sub");
    fs::create_symlink(victim, folder + "linked.bmp");
    fs::create_directory_symlink(outside.Folder(), folder + "away");
    ::mkfifo((folder + "pipe.bmp").c_str(), 0600);
    // Another name of the project file on the same disk is the project file.
    fs::create_hard_link(p.project.PathName, folder + "hard.bmp");

    const std::pair<std::string, Reason> cases[] = {
        {"title.bmp", Reason::None},
        {"new.bmp", Reason::None},
        {"sub\\..\\title.bmp", Reason::None},
        {otherSpelling, Reason::Reserved},
        {"test.pdb", Reason::Reserved},
        {"hard.bmp", Reason::Reserved},
        {"_SCRIPT.TXT", Reason::Reserved},
        {"__bkg3.bmp", Reason::Reserved},
        {"../victim.bmp", Reason::Outside},
        {"..\\victim.bmp", Reason::Outside},
        {"sub/../../victim.bmp", Reason::Outside},
        {victim, Reason::Outside},
        {"linked.bmp", Reason::Link},
        {"away/victim.bmp", Reason::Link},
        {"away/../title.bmp", Reason::Link},
        {"pipe.bmp", Reason::NotAFile},
        {"sub", Reason::NotAFile},
    };
    for (const auto& [name, reason] : cases) {
        const CWriteRule::CVerdict verdict = rule.Judge(ResolveFileName(folder, name));
        EXPECT_EQ(verdict.Why, reason) << name << ": " << verdict.Message;
        EXPECT_EQ(verdict.Message.empty(), reason == Reason::None) << name;
    }
    EXPECT_NE(rule.Refusal(folder + "../victim.bmp").find("lies outside the folder"),
              std::string::npos);
    EXPECT_NE(rule.Refusal(folder + "linked.bmp")
                  .find("reached through the link '" + folder + "linked.bmp'"),
              std::string::npos);

    // Check: the project's own files are errors on the row, a bitmap read from elsewhere
    // is advice (the build reads it; an import will not write it), a linked database is
    // an error, for the build would replace what is there.
    p.project.TitleBar.Bmp = otherSpelling;
    fs::copy_file(folder + "title.bmp", outside.Path("title.bmp"));
    p.project.Battery.Bmp = outside.Path("title.bmp");
    fs::remove(folder + "tog.bmp");
    fs::create_symlink(outside.Path("title.bmp"), folder + "tog.bmp");
    fs::create_symlink(victim, CRuleBook::DatabasePath(p.project));
    std::map<std::string, std::pair<S, std::string>> found;
    for (const CSkinProblem& problem : CRuleBook().Check(p.project))
        if (!found.count(problem.Element) || problem.IsError())
            found[problem.Element] = {problem.Level, problem.Message};
    EXPECT_EQ(found["TitleBar.Bmp"].first, S::Error);
    EXPECT_NE(found["TitleBar.Bmp"].second.find("is the project file"), std::string::npos)
        << found["TitleBar.Bmp"].second;
    EXPECT_EQ(found["Battery.Bmp"].first, S::Warning);
    EXPECT_NE(found["Battery.Bmp"].second.find("lies outside the folder"), std::string::npos);
    EXPECT_EQ(found["ToolBarToggler.Bmp"].first, S::Warning);
    EXPECT_NE(found["ToolBarToggler.Bmp"].second.find("through the link"), std::string::npos);
    EXPECT_EQ(found["SkinInfo.SkinName"].first, S::Error);
    EXPECT_NE(found["SkinInfo.SkinName"].second.find("through the link"), std::string::npos);
}
#endif

}  // namespace vantoro
