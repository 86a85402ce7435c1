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

TEST_F(RegistryTest, EachRootIsAddressedByItsExactNameAndAnyOtherRootByNothing) {
    for (const char* root :
         {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
          "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"}) {
        registry.WriteRegValue(root, "onRoot", root);
        EXPECT_EQ(registry.ReadRegValue(root, "onRoot"), root);
    }
    EXPECT_EQ(RegistryStore(dir.filePath("registry.reg")).value("HKEY_CURRENT_USER", "onRoot"),
              "HKEY_CURRENT_USER");
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

    const QString message = "Incorrect Format:\n\n";
    EXPECT_EQ(prompts.messageTexts(),
              (QStringList{message + lowerCase, message + trailing, message + trailing}));
    const auto& shown = prompts.shown.front();
    EXPECT_TRUE(shown.buttons == MsgButtons::Ok && shown.icon == MsgIcon::None &&
                shown.title == "");
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
