// The composition root on its own.
#include "settings/Registry.h"
#include "support/PlayerFixture.h"

using namespace kyvra;

using PlayerRoot = test::PlayerFixture;

TEST_F(PlayerRoot, BuildsTheWindowsHiddenAndPlacedAndTearsDownCleanly) {
    Player& player = makePlayer();
    VideoWindow& video = player.video();
    EXPECT_TRUE(video.isHidden());
    EXPECT_TRUE(player.frmSub().isHidden());
    EXPECT_TRUE(video.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FLOAT_EQ(video.Width(), 720 * 15);
    EXPECT_FLOAT_EQ(video.Height(), 480 * 15);
    EXPECT_EQ(engine->surface()->parentWidget(), &video);
    EXPECT_FALSE(video.videoboxVisible()) << "the picture stays hidden until media is loaded";
    // Where it is placed on each screen is SettingsTest's; at 100 % the panel is clear of it.
    EXPECT_FALSE(video.geometry().intersects(player.remote().geometry()));

    player.registry().CreateRegKey("HKEY_CURRENT_USER\\Software\\kyvra");
    player.registry().WriteRegValue("HKEY_CURRENT_USER\\Software\\kyvra", "k", "v");
    video.show();
    player.remote().show();
    this->player.reset(); // the window gives the surface back before the engine goes

    RegistryStore reread(registryPath());
    EXPECT_EQ(reread.value("HKEY_CURRENT_USER\\Software\\kyvra", "k"), std::optional<QString>("v"));
}
