#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "PropertyItemCategory.h"
#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemListDepth.h"
#include "PropertyItemListReso.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "PropertyTestDoubles.h"
#include "QtValuePainter.h"

namespace vantoro {
namespace {

const QRect kCell(40, 3, 150, 16);

QImage Blank() {
    QImage image(200, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Drawn(const CPropertyItem& item) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setPen(Qt::black);
    CQtValuePainter values(painter);
    item.DrawValue(values, kCell);
    return image;
}

// What one line of `text` looks like in `cell`: the rows must draw exactly this.
QImage Text(const QString& text, const QRect& cell = kCell) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return image;
}

TEST(PropertyItems, DrawValueWritesEachKindsTextAndNothingForMissingChoices) {
    CPropertyItemString text("Name");
    text.m_strValue = "wall.bmp";
    EXPECT_EQ(Drawn(text), Text("wall.bmp"));

    CPropertyItemInt number("Height");
    number.m_nValue = -7;
    EXPECT_EQ(Drawn(number), Text("-7"));

    CPropertyItemRect rect("Location");
    rect.m_rcValue = CRect{10, 20, 110, 45};
    EXPECT_EQ(Drawn(rect), Text("10,20 (100x25)"));
    rect.m_rcValue = CRect{50, 0, 40, 20};
    EXPECT_EQ(Drawn(rect), Text("50,0 (-10x20)"));

    CPropertyItemListDepth depth("Color Depth");
    depth.m_nSelected = 4;
    EXPECT_EQ(Drawn(depth), Text("64k Colors"));
    CPropertyItemListReso reso("Resolution");
    reso.m_nSelected = 1;
    EXPECT_EQ(Drawn(reso), Text("320x320 pixels"));
    for (int outside : {2, -1}) {
        reso.m_nSelected = outside;
        EXPECT_EQ(Drawn(reso), Blank()) << outside;
    }
    EXPECT_EQ(reso.ChoiceCount(), 2);
    EXPECT_EQ(depth.ChoiceCount(), 5);
    EXPECT_EQ(CPropertyItemList("plain").ChoiceCount(), 0);

    CPropertyItemCategory category("ToolBar");
    EXPECT_TRUE(category.IsCategory());
    EXPECT_FALSE(text.IsCategory());
    EXPECT_EQ(Drawn(category), Blank());
}

TEST(PropertyItems, ColourSwatchSitsTwoPixelsInAndTheTextAfterIt) {
    CPropertyItemColorRef color("Text Color");
    color.m_crValue = RgbColor(255, 128, 0);
    const QImage image = Drawn(color);
    const int l = kCell.left(), t = kCell.top(), b = kCell.top() + kCell.height();
    const QRgb outline = qRgb(0, 0, 0), orange = qRgb(255, 128, 0), white = qRgb(255, 255, 255);
    // Outline from (L+2, T+2) to (L+13, B-3); right and bottom edges exclusive.
    EXPECT_EQ(image.pixel(l + 2, t + 2), outline);
    EXPECT_EQ(image.pixel(l + 13, b - 3), outline);
    EXPECT_EQ(image.pixel(l + 1, t + 2), white);
    EXPECT_EQ(image.pixel(l + 14, t + 8), white);
    EXPECT_EQ(image.pixel(l + 8, b - 2), white);
    // Filled one pixel inside the outline.
    EXPECT_EQ(image.pixel(l + 3, t + 3), orange);
    EXPECT_EQ(image.pixel(l + 12, b - 4), orange);

    // The text stands from L+16 between the swatch's top and bottom.
    QImage expected =
        Text("255,128,0", QRect(l + 16, t + 2, kCell.width() - 16, kCell.height() - 4));
    QPainter painter(&expected);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(l + 2, t + 2, 11, kCell.height() - 5));
    painter.fillRect(QRect(l + 3, t + 3, 10, kCell.height() - 6), QColor(orange));
    painter.end();
    EXPECT_EQ(image, expected);
}

TEST(PropertyItems, NumbersReadAsAtoiAndRowsRefuseOrCutWhatBreaksTheirLimits) {
    const std::pair<const char*, int32_t> texts[] = {{"  42abc", 42},
                                                     {"abc", 0},
                                                     {"-7", -7},
                                                     {"2147483647", 2147483647},
                                                     {"", 0},
                                                     {"99999999999", 2147483647},
                                                     {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(CPropertyItemInt::ParseInt(text), expected) << text;

    // Any number is entered while the range test is off.
    test::StubEditor editor(EEditorKind::Integer);
    CPropertyItemInt number("Height");
    number.m_nValue = 5;
    editor.value = int32_t(-5);
    CEditorValue read = number.ReadEditor(editor);
    EXPECT_EQ(read.Value, CPropertyValue(int32_t(-5)));
    EXPECT_TRUE(read.Message.empty());

    number.m_bCheckRange = true;
    number.m_nMin = 0;
    number.m_nMax = 10;
    editor.value = int32_t(11);
    read = number.ReadEditor(editor);
    EXPECT_FALSE(read.Value) << "nothing is entered";
    EXPECT_EQ(read.Message,
              "The value you have entered is out of the acceptable range.\n Enter a value between "
              "0 and 10.");
    EXPECT_EQ(editor.value, CPropertyValue(int32_t(5))) << "the field shows the old value again";
    EXPECT_EQ(editor.loads, 1);
    EXPECT_EQ(number.m_nValue, 5) << "the row itself holds what the record holds";
    editor.value = int32_t(10);
    EXPECT_EQ(number.ReadEditor(editor).Value, CPropertyValue(int32_t(10)));

    test::StubEditor textEditor(EEditorKind::Text);
    CPropertyItemString name("Skin Name");
    textEditor.value = std::string(400, 'x');
    read = name.ReadEditor(textEditor);
    EXPECT_EQ(read.Value, CPropertyValue(std::string(400, 'x')));  // no limit by default
    EXPECT_TRUE(read.Message.empty());
    name.m_nMaxLength = 5;
    textEditor.value = std::string("Nightfall");
    read = name.ReadEditor(textEditor);
    EXPECT_EQ(read.Value, CPropertyValue(std::string("Night")));
    EXPECT_EQ(read.Message, "The entered string is too long. The maximum limit is 5 characters.\n");
}

TEST(PropertyItems, ShowEditorMakesOneEditorOfEachKindAndOpensItOnTheValue) {
    test::StubListHost list;
    CPropertyItemString first("A"), second("B");
    first.m_strValue = "one";
    second.m_strValue = "two";
    first.ShowEditor(list, QRect(0, 0, 50, 16), true);
    second.ShowEditor(list, QRect(0, 16, 50, 16), true);
    EXPECT_EQ(list.created, 1);
    auto* text = static_cast<test::StubEditor*>(list.current);
    EXPECT_EQ(text->Kind(), EEditorKind::Text);
    EXPECT_EQ(text->value, CPropertyValue(std::string("two")));
    EXPECT_EQ(text->cell, QRect(0, 16, 50, 16));
    // Moving without loading keeps what was typed.
    text->value = std::string("typed");
    second.ShowEditor(list, QRect(0, 32, 50, 16), false);
    EXPECT_EQ(text->value, CPropertyValue(std::string("typed")));
    EXPECT_EQ(text->cell, QRect(0, 32, 50, 16));

    CPropertyItemListDepth depth("Color Depth");
    depth.m_nSelected = 3;
    depth.ShowEditor(list, QRect(), true);
    depth.ShowEditor(list, QRect(), true);
    auto* combo = static_cast<test::StubEditor*>(list.current);
    EXPECT_EQ(list.created, 2);
    EXPECT_EQ(combo->Kind(), EEditorKind::Choice);
    EXPECT_EQ(combo->choices, (std::vector<std::string>{"monochrome", "4 grey", "16 grey",
                                                        "256 Colors", "64k Colors"}));
    EXPECT_EQ(combo->value, CPropertyValue(int32_t(3)));
    combo->value = int32_t(4);
    EXPECT_EQ(depth.ReadEditor(*combo).Value, CPropertyValue(int32_t(4)));
    EXPECT_EQ(depth.m_nSelected, 3) << "reading enters nothing";

    CPropertyItemRect area("Location");
    area.m_rcValue = CRect{1, 2, 3, 4};
    area.ShowEditor(list, QRect(), true);
    EXPECT_EQ(static_cast<test::StubEditor*>(list.current)->Kind(), EEditorKind::Rect);
    EXPECT_EQ(static_cast<test::StubEditor*>(list.current)->value,
              CPropertyValue(CRect{1, 2, 3, 4}));

    CPropertyItemCategory category("Skin Properties");
    category.ShowEditor(list, QRect(), true);
    EXPECT_EQ(list.current, nullptr);
}

TEST(PropertyItems, CategoryOwnsAndCountsItsRows) {
    static int alive = 0;
    struct Counted : CPropertyItem {
        Counted() : CPropertyItem("counted") { ++alive; }
        ~Counted() override { --alive; }
    };
    {
        CPropertyItemCategory category("Misc Icons");
        for (int i = 0; i < 3; ++i) category.m_listItems.AddTail(std::make_unique<Counted>());
        category.m_listItems.GetAt(1)->SetShown(false);
        EXPECT_EQ(alive, 3);
        EXPECT_EQ(category.CountShownItems(), 2);
        EXPECT_FALSE(category.m_listItems.GetAt(0)->SetShown(true));
    }
    EXPECT_EQ(alive, 0);
}

}  // namespace
}  // namespace vantoro
