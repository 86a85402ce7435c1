// The Audio view's volume buttons and mute toggle, pressed with the mouse.
#include "support/PlayerFixture.h"

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
    QString readout() { return remote().volstatus->Caption(); }
    // Presses from a volume set outside the panel; gives the readout, which names the volume.
    QString press(int from, QWidget* button, Qt::KeyboardModifiers keys = {},
                  Qt::MouseButton mouse = Qt::LeftButton) {
        engine->setVolume(from);
        QTest::mouseClick(button, mouse, keys);
        return readout();
    }
};

// The readout names the volume the engine was given; muting shows 0 % until the next step.
TEST_F(Volume, StepsByOneHundredOrEightHundredWithShiftWithinTheRangeAndMutes) {
    QWidget *down = remote().voldown, *up = remote().volup;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    EXPECT_EQ(press(-600, down), "81%");
    EXPECT_EQ(press(-700, down, shift, Qt::RightButton), "58%") << "any button; -1500";
    EXPECT_EQ(press(-1500, down, shift | Qt::ControlModifier), "56%") << "Shift alone only";
    EXPECT_EQ(press(-3400, down), "0%") << "-3600, not -3500";
    EXPECT_EQ(press(std::numeric_limits<int>::min(), down), "0%");
    EXPECT_EQ(press(-150, up), "100%");
    EXPECT_EQ(press(-200, up), "100%") << "the last step lands on 0";
    EXPECT_EQ(press(-3600, up, shift), "22%");
    EXPECT_EQ(press(-300, up, shift), "94%") << "no Shift step past 0";
    EXPECT_EQ(press(500, up), "100%");

    // Half-way percentages go to the even neighbour; below the range shows as it is.
    for (const auto& [volume, text] : std::initializer_list<std::pair<int, const char*>>{
             {-3582, "0%"}, {-3546, "2%"}, {-5000, "-39%"}}) {
        engine->setVolume(volume);
        remote().ShowAudioView();
        EXPECT_EQ(readout(), text) << volume;
    }

    EXPECT_EQ(press(-100, remote().mute), "0%");
    EXPECT_TRUE(engine->mute());
    EXPECT_EQ(remote().mutelabel->Caption(), "Restore Sound");
    EXPECT_TRUE(remote().mutecross->isVisible() && !remote().mute->isVisible());

    QTest::mouseClick(remote().voldown, Qt::LeftButton);
    EXPECT_EQ(readout(), "94%") << "the real volume shows again";
    EXPECT_TRUE(engine->mute()) << "while the sound stays off";

    QTest::mouseClick(remote().mutecross, Qt::LeftButton);
    EXPECT_FALSE(engine->mute());
    EXPECT_EQ(remote().mutelabel->Caption(), "Mute Sound");
    EXPECT_TRUE(remote().mute->isVisible() && !remote().mutecross->isVisible());
    QTest::mouseClick(remote().mutelabel, Qt::LeftButton);
    EXPECT_TRUE(engine->mute()) << "the caption toggles too";
}
