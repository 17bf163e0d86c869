#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "FileNameResolver.h"
#include "ResultAssert.h"
#include "SkinFields.h"
#include "SkinProject.h"

using namespace vantoro;

namespace {

// A classic BMP as every reader of ours takes it: "BM", a 40-byte information header.
void ExpectBmp(const std::string& path, int width, int height) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path << " is missing";
    const QByteArray head = file.read(26);
    ASSERT_EQ(head.size(), 26) << path;
    EXPECT_EQ(head.left(2), "BM") << path;
    EXPECT_EQ(uchar(head[14]), 40) << path;
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull()) << path;
    if (width > 0) {
        EXPECT_EQ(image.width(), width) << path;
    }
    if (height > 0) {
        EXPECT_EQ(image.height(), height) << path;
    }
}

void CheckSample(const std::string& skn, int reso, int depth) {
    CSkinProject project;
    ASSERT_TRUE(Succeeded(project.LoadProject(skn)));
    EXPECT_EQ(project.SkinInfo.Reso, reso);
    EXPECT_EQ(project.SkinInfo.Depth, depth);
    EXPECT_LE(project.SkinInfo.SkinName.size(), 31u);
    const int screen = reso == 2 ? 320 : 160;
    auto at = [&](const std::string& name) { return ResolveFileName(project.Folder, name); };
    ExpectBmp(at(project.WallPaper.Bmp), screen, screen);
    ExpectBmp(at(project.Preview.Preview1), reso == 2 ? 120 : 60, reso == 2 ? 120 : 60);
    ExpectBmp(at(project.Preview.Preview2), 60, 60);
    // Every bitmap the table knows, the masks in black and white.
    for (const CSkinField& field : CSkinFields::All()) {
        if (field.Kind != CFieldKind::Bitmap) continue;
        const std::string& name =
            *std::get<std::string*>(project.Element(field.Element).Field(field));
        ExpectBmp(at(name), 0, 0);
        if (field.Mask) {
            EXPECT_EQ(QImage(QString::fromStdString(at(name))).depth(), 1) << name;
        }
    }
    const QImage misc(QString::fromStdString(at(project.SystemIcons.BmpMiscIcons)));
    EXPECT_EQ(misc.height(), project.SystemIcons.MiscIconsSize.cy);
    EXPECT_EQ(misc.width() % project.SystemIcons.MiscIconsSize.cx, 0);
}

}  // namespace

TEST(SampleProjects, BothLoadAndNameOnlyValidBitmaps) {
    CheckSample(VANTORO_EXAMPLES_DIR "/Meadow/Meadow.skn", 1, 8);
    CheckSample(VANTORO_EXAMPLES_DIR "/Nightfall/Nightfall.skn", 2, 16);
}
