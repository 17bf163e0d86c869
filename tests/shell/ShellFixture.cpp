#include "ShellFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DocumentCommands.h"
#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceButtonEditImp.h"
#include "MainFrame.h"
#include "Profile.h"
#include "PropertyListCtrl.h"
#include "SkinProjectWriter.h"
#include "VantoroApp.h"

namespace vantoro {

void ShellTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    // Never the user's own settings: a profile file of this test's own.
    m_previousProfile = CProfile::File();
    CProfile::UseFile(m_dir.filePath(QStringLiteral("profile.ini")));
    m_previousMessages =
        CMessageBox::SetHandler([this](QWidget*, const QString& text, CMessageBox::Kind kind,
                                       const QString& details, const QString&) {
            m_messages.append(text);
            m_kinds.append(kind);
            m_details.append(details);
        });
    m_previousQuestions = CMessageBox::SetQuestionHandler([this](QWidget*, const QString& text) {
        m_questions.append(text);
        return m_answer;
    });
    m_previousOpener = CDesktopOpener::SetHandler([this](const QUrl& url) {
        m_opened.append(url);
        return m_desktopAccepts;
    });
}

void ShellTest::TearDown() {
    CProfile::UseFile(m_previousProfile);
    CMessageBox::SetHandler(m_previousMessages);
    CMessageBox::SetQuestionHandler(m_previousQuestions);
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
    test::SkinProjectWriter writer;
    writer.Set("SkinInfo", "SkinName", name.toStdString())
        .Set("SkinInfo", "Reso", reso.toStdString());
    return QString::fromStdString(writer.Write(m_dir.filePath(name).toStdString()));
}

QLineEdit* ShellTest::OpenField(CPropertyListCtrl* list) {
    QWidget* editor = list->CurrentEditorWidget();
    if (auto* button = dynamic_cast<CInPlaceButtonEditImp*>(editor)) return button->Edit();
    return qobject_cast<QLineEdit*>(editor);
}

std::unique_ptr<CVantoroApp> ShellTest::StartApp(const QStringList& arguments) {
    auto app = std::make_unique<CVantoroApp>();
    EXPECT_TRUE(app->InitInstance(arguments));
    // The import dialog is answered with the command line's defaults, without a window.
    if (CMainFrame* frame = app->MainFrame())
        frame->Commands().SetOptionsChooser(
            [](const CSkinField&, const QString&) { return std::optional(CImportOptions{}); });
    QCoreApplication::processEvents();
    return app;
}

}  // namespace vantoro
