#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ColourDepth.h"
#include "DataSkinInfo.h"
#include "PropertyItemListDepth.h"
#include "PropertyItemListReso.h"
#include "Resolution.h"

// The skin's fixed vocabularies, written out here letter by letter rather than taken from
// the tables, so that a slip in a code, a name or an order fails here.

namespace vantoro {
namespace {

struct CDepthLiteral {
    int Code;
    const char* Name;
    bool Grey;
};

struct CResolutionLiteral {
    int Code;
    int Side;
    const char* Name;
};

constexpr CDepthLiteral kDepths[] = {{1, "monochrome", true},
                                     {2, "4 grey", true},
                                     {4, "16 grey", true},
                                     {8, "256 Colors", false},
                                     {16, "64k Colors", false}};
constexpr CResolutionLiteral kResolutions[] = {{1, 160, "160x160 pixels"},
                                               {2, 320, "320x320 pixels"}};

TEST(SkinCodes, DepthsAndResolutionsAreTheFileCodesTheGridNamesInItsOrder) {
    const CPropertyItemListDepth depthRow("Color Depth");
    ASSERT_EQ(CColourDepth::All().size(), std::size(kDepths));
    ASSERT_EQ(depthRow.ChoiceCount(), int(std::size(kDepths)));
    for (int i = 0; i < int(std::size(kDepths)); ++i) {
        const CDepthLiteral& want = kDepths[i];
        SCOPED_TRACE(want.Name);
        const std::optional<CColourDepth> byCode = CColourDepth::FromCode(want.Code);
        ASSERT_TRUE(byCode);
        EXPECT_EQ(byCode->Index(), i);
        EXPECT_EQ(byCode->BitsPerPixel(), want.Code);
        EXPECT_EQ(std::string(byCode->Name()), want.Name);
        EXPECT_EQ(byCode->IsGrey(), want.Grey);
        const std::optional<CColourDepth> byIndex = CColourDepth::FromIndex(i);
        ASSERT_TRUE(byIndex);
        EXPECT_EQ(byIndex->Code(), want.Code);
        // The grid shows the position, the file keeps the code.
        EXPECT_EQ(std::string(depthRow.GetChoiceText(i)), want.Name);
        EXPECT_EQ(CDataSkinInfo::DepthIndexOf(want.Code), i);
    }
    for (int code : {0, 3, 24, 32, -1}) EXPECT_FALSE(CColourDepth::FromCode(code)) << code;
    for (int index : {-1, 5}) EXPECT_FALSE(CColourDepth::FromIndex(index)) << index;
    EXPECT_EQ(CColourDepth::CodesText(" and "), "1, 2, 4, 8 and 16");
    EXPECT_EQ(CColourDepth::CodesText(" or "), "1, 2, 4, 8 or 16");

    const CPropertyItemListReso resoRow("Resolution");
    ASSERT_EQ(CResolution::All().size(), std::size(kResolutions));
    ASSERT_EQ(resoRow.ChoiceCount(), int(std::size(kResolutions)));
    for (const CResolutionLiteral& want : kResolutions) {
        SCOPED_TRACE(want.Name);
        const std::optional<CResolution> byCode = CResolution::FromCode(want.Code);
        ASSERT_TRUE(byCode);
        EXPECT_EQ(byCode->Side(), want.Side);
        EXPECT_EQ(std::string(byCode->Name()), want.Name);
        EXPECT_EQ(byCode->Index(), want.Code - 1);
        EXPECT_EQ(CResolution::DrawingSide(want.Code), want.Side);
        const std::optional<CResolution> bySide = CResolution::FromSide(want.Side);
        ASSERT_TRUE(bySide);
        EXPECT_EQ(bySide->Code(), want.Code);
        const std::optional<CResolution> byIndex = CResolution::FromIndex(want.Code - 1);
        ASSERT_TRUE(byIndex);
        EXPECT_EQ(byIndex->Code(), want.Code);
        EXPECT_EQ(std::string(resoRow.GetChoiceText(want.Code - 1)), want.Name);
    }
    for (int code : {0, 3, -1}) {
        EXPECT_FALSE(CResolution::FromCode(code)) << code;
        // What draws a skin of no known size draws the small screen.
        EXPECT_EQ(CResolution::DrawingSide(code), 160) << code;
    }
    for (int index : {-1, 2}) EXPECT_FALSE(CResolution::FromIndex(index)) << index;
    for (int side : {0, 1, 2, 240, 480}) EXPECT_FALSE(CResolution::FromSide(side)) << side;
    EXPECT_EQ(CResolution::SidesText(" or "), "160 or 320");
}

}  // namespace
}  // namespace vantoro
