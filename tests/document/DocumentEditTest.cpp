#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>
#include <fstream>
#include <set>

#include "PropertyItemManager.h"
#include "RuleBook.h"
#include "SkinProjectWriter.h"
#include "TempFolder.h"
#include "TextCodec.h"
#include "VantoroDoc.h"

namespace vantoro {
namespace {

// What the rule book says about the project, as text that compares without regard to order.
std::multiset<std::string> Texts(const std::vector<CSkinProblem>& problems) {
    std::multiset<std::string> texts;
    for (const CSkinProblem& problem : problems) texts.insert(problem.Format());
    return texts;
}

// The document's findings are what a full check finds, after any change.
void ExpectFindingsAreWhole(CVantoroDoc& doc) {
    CBitmapCache fresh;
    EXPECT_EQ(Texts(doc.Findings()), Texts(CRuleBook(fresh).Check(doc.Project())));
}

class DocumentEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = test::SkinProjectWriter(1, 8).Write(m_dir.Folder());
        QString error;
        ASSERT_TRUE(m_doc.Open(PathToQString(m_path), &error)) << error.toStdString();
        m_doc.SetClock([this] { return m_now; });
    }
    CPropertyItemManager& Sheet(CSkinElement element) {
        return m_doc.Project().Element(element).PropertySheet();
    }

    test::TempFolder m_dir;
    std::string m_path;
    CVantoroDoc m_doc;
    int64_t m_now = 0;
};

// Each kind of value goes in through the one entry, is one step, is told once, shows in the
// element's rows, and comes back out with undo; the findings follow every step.
TEST_F(DocumentEditTest, EveryChangeIsOneStepToldOnceAndUndone) {
    CSkinProject& project = m_doc.Project();
    std::vector<std::pair<CSkinElement, std::string>> told;
    QObject::connect(&m_doc, &CVantoroDoc::ValueChanged,
                     [&](CSkinElement element, const CSkinField* field) {
                         told.emplace_back(element, CSkinFields::Id(*field));
                     });
    QUndoStack& stack = m_doc.Stack();

    // A rectangle too wide for its bitmap: taken, with a warning on the bitmap.
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::TitleBar), 1, CRect{0, 0, 150, 15}));
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 150, 15}));
    EXPECT_EQ(Sheet(CSkinElement::TitleBar).FindItem(1)->GetValue(),
              CPropertyValue(CRect{0, 0, 150, 15}));
    EXPECT_EQ(stack.undoText(), "Title Bar Location");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], std::make_pair(CSkinElement::TitleBar, std::string("TitleBar.Rect")));
    const std::vector<CSkinProblem>& findings = m_doc.Findings();
    EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [](const CSkinProblem& p) {
        return p.Element == "TitleBar.Bmp" && !p.IsError();
    }));
    ExpectFindingsAreWhole(m_doc);

    // One part of a point: the other part stays.
    const CPoint category = project.Popups.PtCategory;
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::Popups), 3, int32_t(20)));  // "Top"
    EXPECT_EQ(project.Popups.PtCategory, (CPoint{category.x, 20}));
    EXPECT_EQ(stack.undoText(), "Popup Category Top");

    // A colour, a text; the same value again is no step.
    ASSERT_TRUE(m_doc.SetValue(*CSkinFields::Find("DateTime.TextColor"), RgbColor(0, 0, 255)));
    ASSERT_TRUE(m_doc.SetValue(*CSkinFields::Find("SkinInfo.Author"), std::string("Bo")));
    ASSERT_TRUE(m_doc.SetValue(*CSkinFields::Find("SkinInfo.Author"), std::string("Bo")));
    EXPECT_EQ(stack.count(), 4);
    ExpectFindingsAreWhole(m_doc);

    // Refused: nothing changes, nothing is recorded, the reason is told.
    QSignalSpy refused(&m_doc, &CVantoroDoc::Refused);
    EXPECT_FALSE(m_doc.EnterValue(Sheet(CSkinElement::TitleBar), 1, CRect{0, 0, 0, 15}));
    ASSERT_EQ(refused.count(), 1);
    EXPECT_FALSE(refused[0][0].toString().isEmpty());
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 150, 15}));
    EXPECT_EQ(stack.count(), 4);

    told.clear();
    while (stack.canUndo()) stack.undo();
    EXPECT_EQ(project.TitleBar.Rect, (CRect{0, 0, 160, 15}));
    EXPECT_EQ(project.Popups.PtCategory, category);
    EXPECT_EQ(project.SkinInfo.Author, "Ana");
    EXPECT_EQ(Sheet(CSkinElement::TitleBar).FindItem(1)->GetValue(),
              CPropertyValue(CRect{0, 0, 160, 15}));
    EXPECT_EQ(told.size(), 4u);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.ChangedRows(Sheet(CSkinElement::TitleBar)).isEmpty());
    ExpectFindingsAreWhole(m_doc);
    stack.redo();
    EXPECT_EQ(m_doc.ChangedRows(Sheet(CSkinElement::TitleBar)), QSet<int>{1});
}

// A depth chosen in the grid is the depth the rules, the build and the importer read, at
// once and not only after a save; undo puts both back.
TEST_F(DocumentEditTest, AChosenDepthOrResolutionIsTheCodeAtOnce) {
    CDataSkinInfo& info = m_doc.Project().SkinInfo;
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::SkinInfo), 3, int32_t(4)));  // "64k Colors"
    EXPECT_EQ(info.DepthIndex, 4);
    EXPECT_EQ(info.Depth, 16);
    EXPECT_EQ(m_doc.Stack().count(), 1);
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::SkinInfo), 2, int32_t(1)));  // 320x320
    EXPECT_EQ(info.Reso, 2);
    ExpectFindingsAreWhole(m_doc);
    m_doc.Stack().undo();
    m_doc.Stack().undo();
    EXPECT_EQ(info.Depth, 8);
    EXPECT_EQ(info.DepthIndex, 3);
    EXPECT_EQ(info.Reso, 1);
}

// Arrow keys on one rectangle are one step until a pause of a second or another change;
// nudged back to where it was, no step at all.
TEST_F(DocumentEditTest, NudgesOfOneRectangleJoinUntilAPause) {
    CSkinProject& project = m_doc.Project();
    CPropertyItemManager& title = Sheet(CSkinElement::TitleBar);
    const auto nudge = [&](int32_t top) {
        return m_doc.EnterValue(title, 1, CRect{0, top, 160, top + 15}, CVantoroDoc::Merge::Nudge);
    };
    nudge(1);
    m_now += 400;
    nudge(2);
    m_now += 400;
    nudge(3);
    EXPECT_EQ(m_doc.Stack().count(), 1);
    m_now += 1500;
    nudge(4);
    EXPECT_EQ(m_doc.Stack().count(), 2);
    m_doc.SetValue(*CSkinFields::Find("SkinInfo.Author"), std::string("Bo"));
    nudge(5);
    EXPECT_EQ(m_doc.Stack().count(), 4) << "another change ends the run";
    m_doc.Stack().undo();
    m_doc.Stack().undo();
    m_doc.Stack().undo();
    EXPECT_EQ(project.TitleBar.Rect.top, 3);
    m_doc.Stack().undo();
    EXPECT_EQ(project.TitleBar.Rect.top, 0);

    nudge(1);
    nudge(0);
    EXPECT_EQ(m_doc.Stack().count(), 0) << "nudged back: nothing to undo";
    EXPECT_FALSE(m_doc.IsModified());
}

// A change is judged again only where it can have changed something: a picture spoilt on
// disk of another element, not yet reported, stays unjudged by an edit of the title bar.
TEST_F(DocumentEditTest, AChangeJudgesOnlyTheElementItTouched) {
    const std::string battery = m_dir.Folder() + "/bat.bmp";
    std::ofstream(battery, std::ios::trunc) << "not a bitmap";
    const size_t before = m_doc.Findings().size();
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::TitleBar), 1, CRect{0, 0, 160, 16}));
    for (const CSkinProblem& problem : m_doc.Findings()) EXPECT_NE(problem.Element, "Battery.Bmp");
    // The element itself is judged whole again: its own picture's problems show.
    ASSERT_TRUE(m_doc.EnterValue(Sheet(CSkinElement::Battery), 1, CRect{120, 2, 138, 13}));
    EXPECT_GT(m_doc.Findings().size(), before);
    ExpectFindingsAreWhole(m_doc);
}

}  // namespace
}  // namespace vantoro
