#include "platform/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kyvra;

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstIsGoneAlsoWhenItDied) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("player.lock"));
    {
        SingleInstance first(path);
        EXPECT_FALSE(first.anotherIsRunning());
        EXPECT_FALSE(first.anotherIsRunning()) << "asking again must not find itself";
        SingleInstance second(path);
        EXPECT_TRUE(second.anotherIsRunning());
    }
    EXPECT_FALSE(SingleInstance(path).anotherIsRunning());

    // The lock a process left behind when it died is taken over.
    QProcess gone;
    gone.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    ASSERT_TRUE(gone.waitForFinished());
    const QByteArray deadPid = gone.readAllStandardOutput().trimmed();
    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(deadPid + "\nkyvra-player\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_FALSE(SingleInstance(path).anotherIsRunning());
}
