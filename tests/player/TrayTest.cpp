// Minimising the panel to the notification area and back through the icon's mouse messages.
#include "player/TrayIcon.h"
#include "support/PlayerFixture.h"

using namespace kyvra;

namespace {

class Tray : public test::PlayerFixture {
protected:
    void clickMinimise() { QTest::mouseClick(remote().Label5, Qt::LeftButton); }
};

// The menu's quit from the icon takes the icon away too. Without a notification area the panel
// goes to the task bar instead.
TEST_F(Tray, TheIconStandsForThePanelUntilItIsDoubleClicked) {
    RemoteForm& panel = makeStartedPlayer().remote();
    tray->available = false;
    clickMinimise();
    EXPECT_FALSE(player->windows.inTray || tray->shown);
    EXPECT_TRUE(panel.isMinimized());
    menu().showremote->trigger();
    EXPECT_TRUE(!panel.isMinimized() && panel.isVisible());

    tray->available = true;
    clickMinimise();
    EXPECT_TRUE(player->windows.inTray && tray->shown);
    EXPECT_EQ(tray->icon.cacheKey(), panel.windowIcon().cacheKey());
    EXPECT_FALSE(panel.isVisible());

    // Every message restarts the status and idle timers; a single click does nothing more.
    panel.Timer2->setEnabled(false);
    player->video().Timer1->setEnabled(false);
    tray->click(SystemTray::LeftButtonDown);
    EXPECT_TRUE(panel.Timer2->Enabled() && player->video().Timer1->isCounting());
    EXPECT_FALSE(panel.isVisible() || menu().systray->isVisible());

    tray->click(SystemTray::RightButtonDown);
    EXPECT_TRUE(menu().systray->isVisible());
    menu().systray->hide();
    EXPECT_FALSE(panel.isVisible());

    tray->click(SystemTray::LeftButtonDoubleClick);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(tray->shown || player->windows.inTray);

    // A double click that arrives with the panel already shown changes nothing visible.
    ActOnTrayMessage(*player, SystemTray::LeftButtonDoubleClick * panel.screen().twipsPerPixelX());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(player->windows.inTray);

    clickMinimise();
    ASSERT_TRUE(tray->shown);
    prompts->messageAnswers.enqueue(MsgResult::Yes);
    tray->click(SystemTray::RightButtonDown);
    menu().SysQuit->trigger();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(tray->shown);
}

TEST_F(Tray, MessagesAreDecodedFromTheXCoordinateAtAnyResolution) {
    const Screen normal = defaultScreen();
    const Screen large(QSize(2560, 1600), 120, 120);
    for (const Screen* screen : {&normal, &large}) {
        const float perPixel = screen->twipsPerPixelX();
        EXPECT_EQ(DecodeTrayMessage(515 * perPixel, *screen), 1);
        EXPECT_EQ(DecodeTrayMessage(516 * perPixel, *screen), 2);
        EXPECT_EQ(DecodeTrayMessage(515.4f * perPixel, *screen), 1) << "rounded to the pixel";
        for (int other : {0, 513, 514, 517, 519})
            EXPECT_EQ(DecodeTrayMessage(other * perPixel, *screen), 0) << other;
    }
}

} // namespace
