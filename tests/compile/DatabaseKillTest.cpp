#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include "Bmp.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the compiler in `folder` with the dates of `epoch`; true when it finished well.
bool Compile(const QString& folder, const QString& epoch, QProcess& process) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOURCE_DATE_EPOCH", epoch);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(BRRES_COMMAND, {"-q", "-creator", "Krdo", "-name", "Big", "-type", "SKIN", "-o",
                                  "Big.PDB", "-ro", "_script.txt"});
    return process.waitForStarted(10000);
}

}  // namespace

// A compile killed at any moment leaves the earlier database whole, or the new one.
TEST(DatabaseKill, KilledCompilesLeaveTheOldOrTheNewDatabase) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    vantoro::test::BmpRecipe recipe;
    recipe.width = 320;
    recipe.height = 320;
    recipe.bits = 24;
    recipe.pixel = [](int x, int y) {
        return uint32_t((x * 7) << 16 | (y * 3) << 8 | ((x ^ y) & 0xFF));
    };
    vantoro::test::WriteBmp(folder + "/wall.bmp", recipe);
    QString script;
    for (int id = 1; id <= 60; ++id) {
        script += QStringLiteral(
                      "BITMAPCOLOR ID %1 \"wall.bmp\" \r\nBITMAPCOLOR16K ID %2 \"wall.bmp\" \r\n")
                      .arg(id)
                      .arg(1000 + id);
    }
    QFile scriptFile(dir.filePath("_script.txt"));
    ASSERT_TRUE(scriptFile.open(QIODevice::WriteOnly));
    scriptFile.write(script.toLatin1());
    scriptFile.close();

    const QString database = dir.filePath("Big.PDB");
    QByteArray versions[2];
    qint64 fullRun = 0;
    for (int i : {1, 0}) {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        ASSERT_TRUE(Compile(dir.path(), QString::number(1700000000 + i), process));
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        versions[i] = ReadAll(database);
        fullRun = timer.elapsed();
    }
    ASSERT_NE(versions[0], versions[1]);  // the database now holds version 0

    for (int round = 0; round < 15; ++round) {
        QProcess process;
        ASSERT_TRUE(Compile(dir.path(), "1700000001", process));
        // Anywhere from the start to the end of a whole compile, the writing included.
        QThread::msleep(QRandomGenerator::global()->bounded(1, int(fullRun) + 10));
        process.kill();
        process.waitForFinished(10000);
        const QByteArray now = ReadAll(database);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "round " << round << ": " << now.size() << " bytes";
    }
}
