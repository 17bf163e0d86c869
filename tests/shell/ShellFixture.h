#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <ostream>

#include "DesktopOpener.h"
#include "MessageBox.h"

// Lets failed comparisons show the text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vantoro {

class CPropertyListCtrl;
class CVantoroApp;

// Every shell test: its own profile folder, its own project files, and message boxes and
// the desktop recorded instead of shown.
class ShellTest : public ::testing::Test {
public:
    // The text field of the grid's open editor (a text row's, or the field beside the
    // button of a colour, rectangle or bitmap row), or null.
    static QLineEdit* OpenField(CPropertyListCtrl* list);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the project writer's project named `name` (".skn" added) in its own folder of the
    // test's temporary folder and returns its path. An empty `reso` makes it unloadable.
    QString WriteProject(const QString& name, const QString& reso = QStringLiteral("1"));
    // Writes `content` as the file `relativePath` below the temporary folder.
    QString WriteFile(const QString& relativePath, const QByteArray& content);
    static QByteArray ReadFile(const QString& path);

    // Starts the editor as main() does, with `arguments` as its command line.
    std::unique_ptr<CVantoroApp> StartApp(const QStringList& arguments = {});

    QTemporaryDir m_dir;
    QStringList m_messages;
    // The icon and the Details text of each message, in the same order.
    QList<CMessageBox::Kind> m_kinds;
    QStringList m_details;
    // The questions asked about unsaved changes, and the answer the user gives.
    QStringList m_questions;
    CMessageBox::Answer m_answer = CMessageBox::Answer::Cancel;
    QList<QUrl> m_opened;
    bool m_desktopAccepts = true;

private:
    CMessageBox::Handler m_previousMessages;
    CMessageBox::QuestionHandler m_previousQuestions;
    CDesktopOpener::Handler m_previousOpener;
    QString m_previousProfile;
};

}  // namespace vantoro
