#include "settings/Registry.h"

#include "support/ScriptedPrompts.h"

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

TEST_F(RegistryTest, RootNamesMapToThePredefinedKeysByExactName) {
    const QStringList names{"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",     "HKEY_LOCAL_MACHINE",
                            "HKEY_USERS",        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                            "HKEY_DYN_DATA"};
    for (quint32 i = 0; i < quint32(names.size()); ++i)
        EXPECT_EQ(Registry::RootKeyFromName(names[i]), 0x80000000u + i);
    for (const char* other : {"hkey_local_machine", "HKEY_LOCAL_MACHINE ", "HKLM", ""})
        EXPECT_EQ(Registry::RootKeyFromName(other), 0u) << other;
}

TEST_F(RegistryTest, ParseKeyPathSplitsOffTheRoot) {
    QString path = settingsKey;
    quint32 root = 0;
    EXPECT_TRUE(registry.ParseKeyPath(path, root));
    EXPECT_EQ(root, 0x80000002u);
    EXPECT_EQ(path, "Software\\Quenmoor\\Kyvra\\Player");

    path = "HKEY_CURRENT_USER";
    EXPECT_TRUE(registry.ParseKeyPath(path, root));
    EXPECT_EQ(root, 0x80000001u);
    EXPECT_EQ(path, "");

    path = "HKEY_ELSEWHERE\\x";
    EXPECT_TRUE(registry.ParseKeyPath(path, root));
    EXPECT_EQ(root, 0u);
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

TEST_F(RegistryTest, SettingsExistOnlyUnderACreatedKey) {
    registry.WriteRegValue(settingsKey, "Splash", "no");
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "Splash"), "Error");

    registry.CreateRegKey(settingsKey);
    registry.WriteRegValue(settingsKey, "Splash", "no");
    registry.WriteRegValue(settingsKey, "DDEMode", "Error");
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "Splash"), "no");
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "DDEMode"), "Error");
    EXPECT_EQ(registry.ReadRegValue(settingsKey, "Missing"), "Error");
    EXPECT_EQ(registry.ReadRegValue(settingsKey + "\\Absent", "Splash"), "Error");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RegistryTest, ARootAloneAddressesTheRootKeyAndAnUnknownRootNothing) {
    registry.WriteRegValue("HKEY_CURRENT_USER", "onRoot", "1");
    EXPECT_EQ(registry.ReadRegValue("HKEY_CURRENT_USER", "onRoot"), "1");

    registry.CreateRegKey("HKEY_ELSEWHERE\\Key");
    registry.WriteRegValue("HKEY_ELSEWHERE", "v", "1");
    EXPECT_EQ(registry.ReadRegValue("HKEY_ELSEWHERE\\Key", "v"), "");
    EXPECT_EQ(registry.ReadRegValue("HKEY_ELSEWHERE", "v"), "");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RegistryTest, ReadsStopAt254CharactersAndDropLeadingSpaces) {
    registry.CreateRegKey(settingsKey);
    const std::pair<QString, QString> cases[] = {
        {QString(254, u'a'), QString(254, u'a')},
        {QString(255, u'a'), "Error"},
        {QString(254, u'é'), QString(254, u'é')},
        {"  lead", "lead"},
        {"trail  ", "trail  "},
        {"  both  ", "both  "},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [stored, read] : cases) {
        registry.WriteRegValue(settingsKey, "v", stored);
        EXPECT_EQ(registry.ReadRegValue(settingsKey, "v"), read) << stored.size();
    }
}

TEST_F(RegistryTest, ClassKeysAreCreatedAndDeletedWithEverythingUnderThem) {
    const QString command = "\"/opt/kyvra/kyvra-player\" \"%1\"";
    registry.CreateClassKey("avifile\\Shell\\Open\\Command");
    registry.CreateClassKey("avifile\\Shell\\print\\Command");
    registry.WriteRegValue("HKEY_CLASSES_ROOT\\avifile\\Shell\\Open\\Command", "", command);
    EXPECT_EQ(registry.ReadRegValue("HKEY_CLASSES_ROOT\\AVIFILE\\shell\\open\\command", ""),
              command);

    registry.DeleteRegKey("HKEY_CLASSES_ROOT\\AviFile");
    registry.DeleteRegKey("HKEY_CLASSES_ROOT\\.never");
    registry.DeleteRegKey("HKEY_CLASSES_ROOT");
    EXPECT_FALSE(store.keyExists("HKEY_CLASSES_ROOT\\avifile"));
    EXPECT_EQ(registry.ReadRegValue("HKEY_CLASSES_ROOT\\avifile\\Shell\\Open\\Command", ""),
              "Error");
    EXPECT_TRUE(prompts.shown.empty());
}
