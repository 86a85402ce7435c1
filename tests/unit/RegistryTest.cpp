#include "settings/Registry.h"

#include "settings/RegFileFormat.h"
#include "support/ScriptedPrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kyvra;

namespace {

const QString settingsKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Quenmoor\\Kyvra\\Player");

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RegistryStore store{dir.filePath("registry.reg")};
    test::ScriptedPrompts prompts;
    Registry registry{store, prompts};
};

} // namespace

TEST_F(RegistryTest, EachRootIsAddressedByItsExactNameAndAnyOtherRootByNothing) {
    for (const char* root :
         {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
          "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"}) {
        registry.WriteRegValue(root, "onRoot", root);
        EXPECT_EQ(registry.ReadRegValue(root, "onRoot"), root);
    }
    RegistryStore fresh(dir.filePath("registry.reg"));
    Registry nextRun(fresh, prompts);
    EXPECT_EQ(nextRun.ReadRegValue("HKEY_CURRENT_USER", "onRoot"), "HKEY_CURRENT_USER");
    for (const QString other : {"HKEY_Local_Machine", "HKEY_LOCAL_MACHINE ", "HKEY_ELSEWHERE"}) {
        registry.CreateRegKey(other + "\\Key");
        registry.WriteRegValue(other + "\\Key", "v", "1");
        EXPECT_EQ(registry.ReadRegValue(other + "\\Key", "v"), "") << other.toStdString();
        EXPECT_EQ(registry.ReadRegValue(other, "v"), "");
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RegistryTest, MalformedPathsShowTheFormatMessageAndDoNothing) {
    const QString lowerCase = "hkey_local_machine\\Software\\Quenmoor\\Kyvra\\Player";
    const QString trailing = settingsKey + "\\";
    EXPECT_EQ(registry.ReadRegValue(lowerCase, "Splash"), "Error");
    registry.CreateRegKey(trailing);
    registry.WriteRegValue(trailing, "Splash", "yes");

    ASSERT_EQ(prompts.shown.size(), 3u);
    const auto& message = prompts.shown.front();
    EXPECT_EQ(message.text, "Incorrect Format:\n\n" + lowerCase);
    EXPECT_EQ(message.buttons, MsgButtons::Ok);
    EXPECT_EQ(message.icon, MsgIcon::None);
    EXPECT_EQ(message.title, "");
    EXPECT_EQ(prompts.shown[1].text, "Incorrect Format:\n\n" + trailing);
    EXPECT_FALSE(store.keyExists(settingsKey));
}

TEST_F(RegistryTest, ValuesLiveInCreatedKeysAndReadBackTrimmedUpTo254Characters) {
    registry.WriteRegValue(settingsKey, "v", "lost");
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "v"), "Error") << "written before the key";
    registry.CreateRegKey(settingsKey);
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "v"), "Error") << "a missing value";
    EXPECT_EQ(registry.ReadRegValue(settingsKey + "\\Absent", "v"), "Error") << "a missing key";

    const std::pair<QString, QString> cases[] = {
        {QString(254, u'a'), QString(254, u'a')},
        {QString(255, u'a'), "Error"},
        {QString(254, u'é'), QString(254, u'é')},
        {QStringLiteral("\U0001F3AC").repeated(254), QStringLiteral("\U0001F3AC").repeated(254)},
        {QStringLiteral("\U0001F3AC").repeated(255), "Error"},
        {"  both  ", "both  "},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [stored, read] : cases) {
        registry.WriteRegValue(settingsKey, "v", stored);
        EXPECT_EQ(registry.ReadRegValue(settingsKey, "v"), read) << stored.toStdString();
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RegistryTest, ClassKeysAreCreatedAndDeletedWithEverythingUnderThem) {
    const QString command = "\"/opt/kyvra/kyvra-player\" \"%1\"";
    registry.CreateClassKey("avifile\\Shell\\Open\\Command");
    registry.WriteRegValue("HKEY_CLASSES_ROOT\\avifile\\Shell\\Open\\Command", "", command);
    EXPECT_EQ(registry.ReadRegValue("HKEY_CLASSES_ROOT\\AVIFILE\\shell\\open\\command", ""),
              command);

    registry.DeleteRegKey("HKEY_CLASSES_ROOT\\AviFile");
    registry.DeleteRegKey("HKEY_CLASSES_ROOT\\.never");
    registry.DeleteRegKey("HKEY_CLASSES_ROOT");
    EXPECT_FALSE(store.keyExists("HKEY_CLASSES_ROOT\\avifile"));
    EXPECT_TRUE(prompts.shown.empty());
}

// A file edited on another system, with CR LF line ends, reads whole and is not taken for a
// damaged one.
TEST_F(RegistryTest, AFileWithCrLfLineEndsReadsUndamaged) {
    const QByteArray text = "Windows Registry Editor Version 5.00\r\n\r\n[" + settingsKey.toUtf8() +
                            "]\r\n\"Splash\"=\"no\"\r\n@=\"default\"\r\n";
    EXPECT_FALSE(parseRegFile(text).damaged);
    QFile file(dir.filePath("registry.reg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    RegistryStore fresh(file.fileName());
    Registry nextRun(fresh, prompts);
    EXPECT_EQ(nextRun.ReadRegValue(settingsKey, "Splash"), "no");
    EXPECT_EQ(nextRun.ReadRegValue(settingsKey, ""), "default");
}
