#include "ShellFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Profile.h"
#include "VantoroApp.h"

namespace vantoro {

void ShellTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    // Never the user's own settings: a profile file of this test's own.
    m_previousProfile = CProfile::File();
    CProfile::UseFile(m_dir.filePath(QStringLiteral("profile.ini")));
    m_previousMessages = CMessageBox::SetHandler(
        [this](QWidget*, const QString& text, CMessageBox::Kind kind, const QString& details) {
            m_messages.append(text);
            m_kinds.append(kind);
            m_details.append(details);
        });
    m_previousOpener = CDesktopOpener::SetHandler([this](const QUrl& url) {
        m_opened.append(url);
        return m_desktopAccepts;
    });
}

void ShellTest::TearDown() {
    CProfile::UseFile(m_previousProfile);
    CMessageBox::SetHandler(m_previousMessages);
    CDesktopOpener::SetHandler(m_previousOpener);
}

QString ShellTest::WriteFile(const QString& relativePath, const QByteArray& content) {
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

QByteArray ShellTest::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

QString ShellTest::WriteProject(const QString& name, const QString& reso) {
    const QByteArray content = QStringLiteral(
        "[SkinInfo]\r\nSkinName=%1\r\nReso=%2\r\nDepth=8\r\nAuthor=Tester\r\nComments=Made by a test\r\n"
        "[WallPaper]\r\nBmp=wall.bmp\r\n"
        "[ToolBar]\r\nBmpNormal=tb.bmp\r\nRect=0,145,160,160\r\nBmpHighlight=tbh.bmp\r\n"
        "RectButtonInfo=0,0,15,15\r\nRectButtonBeam=15,0,30,15\r\nRectButtonDelete=30,0,45,15\r\n"
        "RectButtonTools=45,0,60,15\r\n"
        "[TitleBar]\r\nRect=0,0,160,15\r\nBmp=title.bmp\r\nBmpMask=titlemask.bmp\r\n"
        "[ToolBarToggler]\r\nBmp=tog.bmp\r\nBmpMask=togmask.bmp\r\nRect=150,0,160,10\r\n"
        "[ScrollBar]\r\nRectNormal=150,15,160,145\r\nRectMaximized=150,15,160,160\r\nBmp=sb.bmp\r\n"
        "ButtonTopHeight=5\r\nButtonCenterHeight=5\r\nButtonBottomHeight=5\r\nRectThumb=0,0,10,10\r\n"
        "ThumbTopHeight=2\r\nThumbCenterHeight=2\r\nThumbBottomHeight=2\r\n"
        "[MaximizeVuzuRuzIcon]\r\nBmp=max.bmp\r\nBmpMask=maxmask.bmp\r\nRect=0,0,10,10\r\n"
        "[DateTime]\r\nRect=100,0,140,15\r\nTextColor=255\r\n"
        "[Battery]\r\nRect=140,0,150,15\r\nBmp=bat.bmp\r\n"
        "[Popups]\r\nPtTools=0,145\r\nPtCategory=160,15\r\nMaxSizeCategory=80,100\r\n"
        "CategoryTextColor=0\r\n"
        "[AppView]\r\nRect=0,15,150,145\r\nRectMaximized=0,15,150,160\r\n"
        "[Preview]\r\nPreview1=p1.bmp\r\nPreview2=p2.bmp\r\n"
        "[SystemIcons]\r\nBmpCategories=c.bmp\r\nBmpCategoriesMask=cm.bmp\r\nBmpPopupTools=t.bmp\r\n"
        "BmpPopupToolsMask=tm.bmp\r\nBmpMiscIcons=m.bmp\r\nMiscIconsSize=10,10\r\n")
                                   .arg(name, reso)
                                   .toLatin1();
    return WriteFile(name + QStringLiteral("/") + name + QStringLiteral(".skn"), content);
}

std::unique_ptr<CVantoroApp> ShellTest::StartApp(const QStringList& arguments) {
    auto app = std::make_unique<CVantoroApp>();
    EXPECT_TRUE(app->InitInstance(arguments));
    QCoreApplication::processEvents();
    return app;
}

}  // namespace vantoro
