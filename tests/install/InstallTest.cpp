// Installs the build into a temporary prefix, as a user would, and asks the desktop's own
// tools about the result. A missing tool fails the test: scripts/setup installs them all.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "AppIconDrawing.h"

// Readable failures: GoogleTest finds this by argument-dependent lookup.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kAppId = QStringLiteral("com.brastel.KorridoVantoro");
const QString kSkinType = QStringLiteral("application/x-korrido-skin");

struct Outcome {
    int exitCode = -1;
    QString output;  // standard output and error together
};

Outcome Execute(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                const QString& workingDir = QString()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {-1,
                program + QStringLiteral(
                              " cannot be started: is it installed? (scripts/setup installs it)")};
    process.waitForFinished(120000);
    Outcome outcome;
    outcome.output = QString::fromUtf8(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit) outcome.exitCode = process.exitCode();
    return outcome;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of `key` in the desktop entry's main group.
QString DesktopValue(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1).trimmed();
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_prefix = std::make_unique<QTemporaryDir>();
        s_install = Execute(QStringLiteral(CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                             QStringLiteral("--prefix"), s_prefix->path()});
    }
    static void TearDownTestSuite() { s_prefix.reset(); }

    void SetUp() override {
        ASSERT_TRUE(s_prefix->isValid());
        ASSERT_EQ(s_install.exitCode, 0) << qPrintable(s_install.output);
        ASSERT_TRUE(m_work.isValid());
    }

    static QString Prefix(const QString& relative) { return s_prefix->path() + u'/' + relative; }
    QString Work(const QString& relative) const { return m_work.path() + u'/' + relative; }

    // An environment that sees the prefix as a desktop would after a log-in, and none of
    // the user's own settings.
    QProcessEnvironment DesktopEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
              "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID",
              "LXQT_SESSION_CONFIG", "DISPLAY", "WAYLAND_DISPLAY", "BASH_COMPLETION_USER_DIR"})
            env.remove(QString::fromLatin1(name));
        QDir().mkpath(Work(QStringLiteral("home/data")));
        env.insert(QStringLiteral("HOME"), Work(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Work(QStringLiteral("home/data")));
        env.insert(
            QStringLiteral("XDG_DATA_DIRS"),
            Prefix(QStringLiteral("share")) + QStringLiteral(":/usr/local/share:/usr/share"));
        env.insert(QStringLiteral("PATH"),
                   Prefix(QStringLiteral("bin:")) + env.value(QStringLiteral("PATH")));
        return env;
    }

    static std::unique_ptr<QTemporaryDir> s_prefix;
    static Outcome s_install;
    QTemporaryDir m_work;
};

std::unique_ptr<QTemporaryDir> InstallTest::s_prefix;
Outcome InstallTest::s_install;

// The desktop entry and the AppStream description pass their validators, and the files
// agree with each other and with the installed program.
TEST_F(InstallTest, DesktopEntryAndMetainfoValidateAndAgree) {
    const QString desktopFile = Prefix(QStringLiteral("share/applications/%1.desktop").arg(kAppId));
    const Outcome desktop = Execute(QStringLiteral("desktop-file-validate"), {desktopFile});
    EXPECT_EQ(desktop.exitCode, 0) << qPrintable(desktop.output);
    EXPECT_FALSE(desktop.output.contains(QStringLiteral("error:"))) << qPrintable(desktop.output);

    const QString metainfoFile =
        Prefix(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId));
    const Outcome appstream =
        Execute(QStringLiteral("appstreamcli"),
                {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile});
    EXPECT_EQ(appstream.exitCode, 0) << qPrintable(appstream.output);

    const QString entry = ReadText(desktopFile);
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Exec")), QStringLiteral("vantoro %f"));
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Icon")), kAppId);
    EXPECT_TRUE(DesktopValue(entry, QStringLiteral("MimeType")).split(u';').contains(kSkinType))
        << qPrintable(entry);

    // The release named is the program's own version, and the program runs from the
    // prefix it was moved to.
    const QString metainfo = ReadText(metainfoFile);
    const Outcome version =
        Execute(Prefix(QStringLiteral("bin/vantoro-cli")), {QStringLiteral("--version")});
    ASSERT_EQ(version.exitCode, 0) << qPrintable(version.output);
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("vantoro-cli " VANTORO_VERSION));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"" VANTORO_VERSION "\"")));
    EXPECT_TRUE(metainfo.contains(
        QStringLiteral("<launchable type=\"desktop-id\">%1.desktop<").arg(kAppId)));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<mediatype>%1</mediatype>").arg(kSkinType)));
}

// A project is known by its name and, renamed, by its first section; plain text is not.
TEST_F(InstallTest, SkinProjectsAreRecognisedByNameAndByContent) {
    const QProcessEnvironment env = DesktopEnvironment();
    const Outcome update = Execute(QStringLiteral("update-mime-database"),
                                   {Prefix(QStringLiteral("share/mime"))}, env);
    ASSERT_EQ(update.exitCode, 0) << qPrintable(update.output);

    ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPLE_PROJECT), Work(QStringLiteral("Meadow.skn"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPLE_PROJECT), Work(QStringLiteral("Meadow.txt"))));
    QFile commented(Work(QStringLiteral("Commented.ini")));
    ASSERT_TRUE(commented.open(QIODevice::WriteOnly));
    commented.write("; a note before the first section\r\n[SkinInfo]\r\nSkinName=Noted\r\n");
    commented.close();
    QFile plain(Work(QStringLiteral("Plain.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("SkinInfo, not as a section\n[Other]\n");
    plain.close();

    const auto typeOf = [&](const QString& name) {
        const Outcome query =
            Execute(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("filetype"), Work(name)}, env);
        EXPECT_EQ(query.exitCode, 0) << qPrintable(query.output);
        return query.output.trimmed();
    };
    // xdg-mime asks `mimetype` (libfile-mimeinfo-perl) outside a known desktop.
    EXPECT_EQ(typeOf(QStringLiteral("Meadow.skn")), kSkinType);
    EXPECT_EQ(typeOf(QStringLiteral("Meadow.txt")), kSkinType);
    EXPECT_EQ(typeOf(QStringLiteral("Commented.ini")), kSkinType);
    EXPECT_EQ(typeOf(QStringLiteral("Plain.txt")), QStringLiteral("text/plain"));
}

// Every theme size is there, is the size its folder names, and is the window's own icon.
TEST_F(InstallTest, IconsExistAtEverySizeAsTheWindowDrawsThem) {
    const QString theme = Prefix(QStringLiteral("share/icons/hicolor/"));
    for (int pixels : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(pixels);
        const QImage installed(theme + QStringLiteral("%1x%1/apps/%2.png").arg(pixels).arg(kAppId));
        ASSERT_FALSE(installed.isNull());
        EXPECT_EQ(installed.size(), QSize(pixels, pixels));
        EXPECT_TRUE(installed.hasAlphaChannel());
        EXPECT_EQ(installed.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  vantoro::CAppIconDrawing::Render(pixels));
    }
    QSvgRenderer svg(theme + QStringLiteral("scalable/apps/%1.svg").arg(kAppId));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(),
              QRect(0, 0, vantoro::CAppIconDrawing::GridSize, vantoro::CAppIconDrawing::GridSize));
}

// bash-completion finds the installed completion on its own and offers commands, options
// and, for a command's argument, only the files that command takes.
TEST_F(InstallTest, BashCompletesCommandsOptionsAndProjectFiles) {
    const QString loader = QStringLiteral("/usr/share/bash-completion/bash_completion");
    ASSERT_TRUE(QFile::exists(loader))
        << "bash-completion is not installed (scripts/setup installs it)";
    QDir().mkpath(Work(QStringLiteral("Skins/Sub")));
    for (const char* name : {"Skins/Meadow.skn", "Skins/Night Fall.skn", "Skins/notes.txt",
                             "Skins/Meadow.PDB", "Skins/art.png"}) {
        QFile file(Work(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Completes the line given as $1 as if <Tab> were pressed at its end.
    const QString script =
        QStringLiteral(
            "source %1 || exit 3\n"
            "__load_completion vantoro-cli || { echo 'no completion found for vantoro-cli'; exit "
            "3; }\n"
            "fn=$(complete -p vantoro-cli | sed -n 's/.*-F \\([^ ]*\\).*/\\1/p')\n"
            "COMP_LINE=$1; COMP_POINT=${#COMP_LINE}\n"
            "read -ra COMP_WORDS <<< \"$COMP_LINE\"\n"
            "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
            "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
            "COMPREPLY=()\n"
            "\"$fn\" vantoro-cli \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD-1]}\"\n"
            "printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort\n")
            .arg(loader);
    const QProcessEnvironment env = DesktopEnvironment();
    const auto complete = [&](const QString& line) {
        const Outcome run = Execute(QStringLiteral("bash"),
                                    {QStringLiteral("-c"), script, QStringLiteral("bash"), line},
                                    env, Work(QStringLiteral("Skins")));
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output);
        return run.output.split(u'\n', Qt::SkipEmptyParts);
    };
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli b")), QStringList{QStringLiteral("build")});
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli --compiler-library lib.so s")),
              QStringList{QStringLiteral("script")});
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli --")),
              (QStringList{QStringLiteral("--compiler-library"), QStringLiteral("--help"),
                           QStringLiteral("--version")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli check ")),
              (QStringList{QStringLiteral("Meadow.skn"), QStringLiteral("Night Fall.skn"),
                           QStringLiteral("Sub")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli info ")),
              (QStringList{QStringLiteral("Meadow.PDB"), QStringLiteral("Sub")}));
    EXPECT_TRUE(complete(QStringLiteral("vantoro-cli build Meadow.skn ")).isEmpty());
    // unpack takes a database, then the folder to unpack it into.
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli u")), QStringList{QStringLiteral("unpack")});
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli unpack ")),
              (QStringList{QStringLiteral("Meadow.PDB"), QStringLiteral("Sub")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli unpack Meadow.PDB ")),
              QStringList{QStringLiteral("Sub")});
    EXPECT_TRUE(complete(QStringLiteral("vantoro-cli unpack Meadow.PDB Sub ")).isEmpty());
    // import takes a project, the key of a bitmap, then a picture.
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli i")),
              (QStringList{QStringLiteral("import"), QStringLiteral("info")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli import ")),
              (QStringList{QStringLiteral("Meadow.skn"), QStringLiteral("Night Fall.skn"),
                           QStringLiteral("Sub")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli import Meadow.skn TitleBar.B")),
              (QStringList{QStringLiteral("TitleBar.Bmp"), QStringLiteral("TitleBar.BmpMask")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli import --fit Meadow.skn TitleBar.Bmp ")),
              (QStringList{QStringLiteral("Sub"), QStringLiteral("art.png")}));
    EXPECT_EQ(
        complete(QStringLiteral("vantoro-cli import Meadow.skn TitleBar.Bmp art.png --dither ")),
        (QStringList{QStringLiteral("diffusion"), QStringLiteral("none"),
                     QStringLiteral("ordered")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli import Meadow.skn TitleBar.Bmp art.png --")),
              (QStringList{QStringLiteral("--dither"), QStringLiteral("--fit"),
                           QStringLiteral("--help")}));
    EXPECT_TRUE(complete(QStringLiteral(
                             "vantoro-cli import Meadow.skn TitleBar.Bmp --dither none art.png "))
                    .isEmpty());

    // Every command and every option of each.
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli ")),
              (QStringList{QStringLiteral("build"), QStringLiteral("check"),
                           QStringLiteral("derive"), QStringLiteral("import"),
                           QStringLiteral("info"), QStringLiteral("new"), QStringLiteral("render"),
                           QStringLiteral("script"), QStringLiteral("unpack")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli build --")),
              (QStringList{QStringLiteral("--help"), QStringLiteral("--keep-intermediate")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli build --keep-intermediate ")),
              (QStringList{QStringLiteral("Meadow.skn"), QStringLiteral("Night Fall.skn"),
                           QStringLiteral("Sub")}));
    EXPECT_TRUE(
        complete(QStringLiteral("vantoro-cli build --keep-intermediate Meadow.skn ")).isEmpty());
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli render Meadow.skn --")),
              (QStringList{QStringLiteral("--help"), QStringLiteral("--maximized"),
                           QStringLiteral("--no-overlay"), QStringLiteral("--png"),
                           QStringLiteral("--zoom")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli new ")), QStringList{QStringLiteral("Sub")});
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli new Sub --")),
              (QStringList{QStringLiteral("--depth"), QStringLiteral("--help"),
                           QStringLiteral("--name"), QStringLiteral("--reso")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli new Sub --reso ")),
              (QStringList{QStringLiteral("160"), QStringLiteral("320")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli new Sub --depth 1")),
              (QStringList{QStringLiteral("1"), QStringLiteral("16")}));
    // A variant takes a project, then a folder, then its choices.
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli derive ")),
              (QStringList{QStringLiteral("Meadow.skn"), QStringLiteral("Night Fall.skn"),
                           QStringLiteral("Sub")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli derive Meadow.skn Sub --")),
              (QStringList{QStringLiteral("--depth"), QStringLiteral("--dither"),
                           QStringLiteral("--help"), QStringLiteral("--name"),
                           QStringLiteral("--reso")}));
    EXPECT_EQ(complete(QStringLiteral("vantoro-cli derive Meadow.skn Sub --dither ")),
              (QStringList{QStringLiteral("diffusion"), QStringLiteral("none"),
                           QStringLiteral("ordered")}));
}

}  // namespace
