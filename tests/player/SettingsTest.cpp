// Loading, restoring and storing the settings through the real registry file, and the registry
// calls they go through.
#include "player/Settings.h"

#include "core/AppError.h"
#include "settings/Registry.h"
#include "support/PlayerFixture.h"

using namespace kyvra;

class Settings : public test::PlayerFixture {
protected:
    using Place = std::pair<float, float>; // left, top
    static Place placeOf(const Form& form) { return {form.Left(), form.Top()}; }
    std::tuple<Place, Place, Place> places() const {
        return {placeOf(player->remote()), placeOf(player->video()), placeOf(player->frmSub())};
    }
};

TEST_F(Settings, FreshMachineAppliesNothingAndSwitchesMatchOnlyALowerCaseYesPrefix) {
    Player& player = makePlayer();
    const auto before = places();
    player.options.useSubs = true; // left over from before; loading clears it

    LoadSettings(player);

    for (bool flag : {player.options.splash, player.options.registext, player.options.windowpos,
                      player.options.autostart, player.options.onTop, player.options.rememberPlayer,
                      player.options.useSubs, player.options.scrollTitle, player.windows.onTop})
        EXPECT_FALSE(flag);
    EXPECT_EQ(player.options.ddeMode, "Error");
    EXPECT_EQ(player.options.ddeCommand, "Error");
    EXPECT_EQ(places(), before);
    EXPECT_TRUE(prompts->shown.empty());

    storeSettings({{"useSubs", "Yes"}, {"ScrollTitle", "yes please"}, {"AZ", " yes"}});
    Player& stored = makePlayer();
    stored.options.useSubs = true;
    ReadUseSubs(stored);
    ReadScrollTitle(stored);
    ReadAutoZoom(stored);
    EXPECT_FALSE(stored.options.useSubs);
    EXPECT_TRUE(stored.options.scrollTitle);
    EXPECT_TRUE(stored.options.autoZoom) << "the registry drops leading spaces";
    EXPECT_FALSE(SettingIs(stored, "Registext", "no")) << "a missing value never matches";
}

TEST_F(Settings, PositionsAreAppliedUncheckedAndRestoredOnScreenFromTheirLeadingNumbers) {
    // The screen is 1280 x 1024 pixels at 15 twips each: 19200 x 15360 twips.
    storeSettings({{"KVR_RL", "-3000"}, {"KVR_RT", "15360"}, {"KVR_VL", "19199.5"}});
    storeSettings({{"KVR_VT", "4000.5"}, {"KVR_ST", "9000"}, {"KVR_SL", " 1e3 "}});
    Player& player = makePlayer();

    LoadSettings(player);
    EXPECT_EQ(places(),
              std::tuple(Place(-3000, 15360), Place(19199.5f, 4000.5f), Place(1000, 9000)));

    RestoreWindowPositions(player);
    EXPECT_EQ(placeOf(player.remote()), Place(100, 100));
    EXPECT_EQ(placeOf(player.video()), Place(19199.5f, 4000)) << "the top is whole, half to even";
    EXPECT_EQ(placeOf(player.frmSub()), Place(1000, 9000)) << "the subtitle window is not moved";

    // Restoring reads leading numbers and falls back; "1e400" is beyond any number: off the screen.
    storeSettings(
        {{"KVR_RL", "2500 twips"}, {"KVR_RT", "0"}, {"KVR_VL", "1e400"}, {"KVR_VT", "15360"}});
    Player& next = makePlayer();
    RestoreWindowPositions(next);
    EXPECT_EQ(placeOf(next.remote()), Place(2500, 100));
    EXPECT_EQ(placeOf(next.video()), Place(200, 200));

    // The quit button stores the video window's top as it is: on a portrait 4K screen more than
    // 16 bits, which must come back rather than fail. Nothing else is stored: "Error" reads as 0.
    QFile::remove(registryPath());
    storeSetting("KVR_VT", "40000");
    Player& tall = makePlayer({}, Screen(QSize(2160, 3840), 96, 96));
    RestoreWindowPositions(tall);
    EXPECT_EQ(placeOf(tall.remote()), Place(100, 100));
    EXPECT_EQ(placeOf(tall.video()), Place(200, 40000));
    EXPECT_TRUE(prompts->shown.empty());
}

// At 100 %, or scaled (125 % on a small laptop, 200 %), every window opens wholly on its screen,
// the picture centred, the panel clear of the subtitles; and a stored place names the same pixel
// as at 100 %, both ways.
TEST_F(Settings, AScaledDesktopOpensOnItsScreenAndStoresPlacesAsAt100Percent) {
    for (const Screen& screen : {defaultScreen(), Screen(QSize(1366, 768), 120, 120),
                                 Screen(QSize(1280, 800), 192, 192)}) {
        SCOPED_TRACE(screen.logicalDpiX());
        Player& opened = makePlayer({}, screen);
        const QRectF desktop(0, 0, screen.width(), screen.height());
        const QRectF panel = bounds(opened.remote()), video = bounds(opened.video()),
                     subs = bounds(opened.frmSub());
        for (const QRectF& window : {panel, video, subs})
            EXPECT_TRUE(desktop.contains(window));
        EXPECT_FLOAT_EQ(video.center().x(), desktop.center().x());
        EXPECT_LT(panel.bottom(), subs.top()) << "the panel stays clear of the subtitles";
    }
    storeSettings({{"Windowpos", "yes"}, {"KVR_RL", "3000"}, {"KVR_RT", "1500"}});
    Player& scaled = makePlayer({}, Screen(QSize(1366, 768), 120, 120));
    LoadSettings(scaled);
    EXPECT_EQ(placeOf(scaled.remote()), Place(2400, 1200)) << "200,100 px at 12 twips a pixel";
    scaled.remote().setLeft(3600);
    scaled.remote().quit_Click();
    EXPECT_EQ(storedSetting("KVR_RL"), std::optional<QString>("4500")) << "300 px as at 100 %";
    EXPECT_EQ(storedSetting("KVR_RT"), std::optional<QString>("1500"));
}

TEST_F(Settings, APositionThatIsNotANumberStopsLoadingThere) {
    storeSettings(
        {{"Ontop", "yes"}, {"KVR_RT", "120"}, {"KVR_RL", "12O"}, {"KVR_VT", "700"}}); // letter O
    Player& player = makePlayer();
    const Place panel = placeOf(player.remote()), video = placeOf(player.video());

    try {
        LoadSettings(player);
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), 13);
    }
    EXPECT_TRUE(player.options.onTop) << "the switches were read before the positions";
    EXPECT_EQ(placeOf(player.remote()), Place(panel.first, 120));
    EXPECT_EQ(placeOf(player.video()), video);
    EXPECT_FALSE(player.windows.onTop) << "the on-top step is skipped";
}

// Malformed paths are told and do nothing; each root is addressed by its exact name and any other
// root by nothing; values live in created keys and read back trimmed, up to 254 characters.
TEST_F(Settings, TheRegistryCallsCheckPathsRootsAndLengths) {
    Registry& registry = makePlayer().registry();
    const QString lowerCase = "hkey_local_machine\\Software\\Quenmoor\\Kyvra\\Player";
    const QString trailing = kSettingsKey + "\\";
    EXPECT_EQ(registry.ReadRegValue(lowerCase, "Splash"), "Error");
    registry.CreateRegKey(trailing);
    registry.WriteRegValue(trailing, "Splash", "yes");

    const QString message = "Incorrect Format:\n\n";
    EXPECT_EQ(prompts->messageTexts(),
              (QStringList{message + lowerCase, message + trailing, message + trailing}));
    const auto& shown = prompts->shown.front();
    EXPECT_TRUE(shown.buttons == MsgButtons::Ok && shown.icon == MsgIcon::None &&
                shown.title == "");
    EXPECT_FALSE(RegistryStore(registryPath()).keyExists(kSettingsKey));
    prompts->shown.clear();

    for (const char* root :
         {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
          "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"}) {
        registry.WriteRegValue(root, "onRoot", root);
        EXPECT_EQ(registry.ReadRegValue(root, "onRoot"), root);
    }
    EXPECT_EQ(RegistryStore(registryPath()).value("HKEY_CURRENT_USER", "onRoot"),
              "HKEY_CURRENT_USER");
    for (const QString other : {"HKEY_Local_Machine", "HKEY_LOCAL_MACHINE ", "HKEY_ELSEWHERE"}) {
        registry.CreateRegKey(other + "\\Key");
        registry.WriteRegValue(other + "\\Key", "v", "1");
        EXPECT_EQ(registry.ReadRegValue(other + "\\Key", "v"), "") << other.toStdString();
        EXPECT_EQ(registry.ReadRegValue(other, "v"), "");
    }

    registry.WriteRegValue(kSettingsKey, "v", "lost");
    EXPECT_EQ(registry.ReadRegValue(kSettingsKey, "v"), "Error") << "written before the key";
    registry.CreateRegKey(kSettingsKey);
    EXPECT_EQ(registry.ReadRegValue(kSettingsKey, "v"), "Error") << "a missing value";
    EXPECT_EQ(registry.ReadRegValue(kSettingsKey + "\\Absent", "v"), "Error") << "a missing key";

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
        registry.WriteRegValue(kSettingsKey, "v", stored);
        EXPECT_EQ(registry.ReadRegValue(kSettingsKey, "v"), read) << stored.toStdString();
    }
    EXPECT_TRUE(prompts->shown.empty());
}
