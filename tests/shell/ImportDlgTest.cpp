#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "ImportDlg.h"
#include "SkinFields.h"
#include "SkinProject.h"
#include "SkinProjectWriter.h"

namespace vantoro {
namespace {

// The dialog shows the picture as the skin will hold it, offers what the command line
// does, and keeps OK off while the importer would refuse the picture as chosen.
TEST(ImportDlg, PreviewsAtTheSkinsDepthAndOffersFittingWhenThePictureIsTooLarge) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CSkinProject project;
    ASSERT_TRUE(
        project.LoadProject(test::SkinProjectWriter(1, 4).Write(dir.path().toStdString())).Ok());
    const CSkinField& title = *CSkinFields::Find("TitleBar.Bmp");

    // A red and white picture the size of the title bar: the preview has the skin's greys.
    QImage art(160, 15, QImage::Format_ARGB32);
    art.fill(qRgb(255, 0, 0));
    for (int x = 80; x < 160; ++x)
        for (int y = 0; y < 15; ++y) art.setPixel(x, y, qRgb(255, 255, 255));
    CImportDlg dialog(project, title, art, QStringLiteral("art.png"));
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok->isEnabled());
    const QImage shown = dialog.Preview()->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(320, 30));
    const QRgb left = shown.pixel(10, 10), right = shown.pixel(300, 10);
    EXPECT_EQ(qRed(left), qGreen(left)) << "a 4-bit skin shows greys";
    EXPECT_NE(left, right);
    dialog.DitherBox()->setCurrentIndex(1);
    dialog.FitBox()->setChecked(true);
    EXPECT_EQ(dialog.Options().Dither, CDither::Ordered);
    EXPECT_TRUE(dialog.Options().Fit);

    // Far larger than a handheld resource holds: refused with the reason until fitted.
    QImage huge(1200, 600, QImage::Format_ARGB32);
    huge.fill(qRgb(0, 128, 0));
    CImportDlg large(project, title, huge, QStringLiteral("huge.png"));
    EXPECT_FALSE(large.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_TRUE(large.Note()->text().contains(QStringLiteral("65505")))
        << large.Note()->text().toStdString();
    large.FitBox()->setChecked(true);
    EXPECT_TRUE(large.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_TRUE(large.Note()->text().contains(QStringLiteral("cut")))
        << large.Note()->text().toStdString();
}

}  // namespace
}  // namespace vantoro
