// The Audio view's volume buttons and mute toggle, pressed with the mouse.
#include "panel/RemoteForm.h"
#include "support/PlayerFixture.h"

#include <QTest>
#include <limits>

using namespace kyvra;

class Volume : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        makePlayer();
        remote().show();
        remote().ShowAudioView();
    }
    RemoteForm& remote() { return player->remote(); }
    QString readout() { return remote().volstatus->Caption(); }
    // Presses from a volume set outside the panel; gives the readout.
    QString press(int from, QWidget* button, Qt::KeyboardModifiers keys = {}) {
        engine->setVolume(from);
        QTest::mouseClick(button, Qt::LeftButton, keys);
        return readout();
    }
};

TEST_F(Volume, StepsByOneHundredOrEightHundredWithShiftWithinTheRange) {
    EXPECT_EQ(readout(), "100%");
    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(remote().voldown, Qt::LeftButton);
    EXPECT_EQ(engine->volume(), -700);
    EXPECT_EQ(readout(), "81%");
    QTest::mouseClick(remote().voldown, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(engine->volume(), -1500) << "any button; Shift alone takes the big step";
    EXPECT_EQ(readout(), "58%");
    QTest::mouseClick(remote().voldown, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(engine->volume(), -1600);

    EXPECT_EQ(press(-3400, remote().voldown), "0%") << "-3600, not -3500";
    EXPECT_EQ(press(std::numeric_limits<int>::min(), remote().voldown), "0%");
    EXPECT_EQ(press(-150, remote().volup), "100%");
    EXPECT_EQ(press(-3600, remote().volup, Qt::ShiftModifier), "22%");
    EXPECT_EQ(engine->volume(), -2800);
    EXPECT_EQ(press(-300, remote().volup, Qt::ShiftModifier), "94%") << "no Shift step past 0";
    EXPECT_EQ(press(500, remote().volup), "100%");
    EXPECT_EQ(engine->volume(), 0);
}

TEST_F(Volume, TheReadoutRoundsHalfToEvenAndShowsVolumesBelowTheRangeAsTheyAre) {
    using Case = std::pair<int, const char*>;
    for (const auto& [volume, text] : std::initializer_list<Case>{
             {-100, "97%"}, {-1800, "50%"}, {-3582, "0%"}, {-3546, "2%"}, {-5000, "-39%"}}) {
        engine->setVolume(volume);
        remote().ShowAudioView();
        EXPECT_EQ(readout(), text) << volume;
    }
}

TEST_F(Volume, MuteTogglesTheSpeakerAndTheReadout) {
    engine->setVolume(-100);
    QTest::mouseClick(remote().mute, Qt::LeftButton);
    EXPECT_TRUE(engine->mute());
    EXPECT_EQ(readout(), "0%");
    EXPECT_TRUE(remote().mutecross->isVisible());
    EXPECT_FALSE(remote().mute->isVisible());
    EXPECT_EQ(remote().mutelabel->Caption(), "Restore Sound");

    QTest::mouseClick(remote().voldown, Qt::LeftButton);
    EXPECT_EQ(readout(), "94%") << "the real volume shows again";
    EXPECT_TRUE(engine->mute()) << "while the sound stays off";

    QTest::mouseClick(remote().mutecross, Qt::LeftButton);
    EXPECT_FALSE(engine->mute());
    EXPECT_EQ(readout(), "94%");
    EXPECT_TRUE(remote().mute->isVisible());
    EXPECT_EQ(remote().mutelabel->Caption(), "Mute Sound");
    QTest::mouseClick(remote().mutelabel, Qt::LeftButton);
    EXPECT_TRUE(engine->mute()) << "the caption toggles too";
}
