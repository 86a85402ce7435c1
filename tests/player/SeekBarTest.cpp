// The seek bar: the simpleProgress control on its own, and the panel's press and drag on it.
#include "support/PlayerFixture.h"

using namespace kyvra;

class SeekBar : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        const QString film = makeMediaFile(QStringLiteral("film.avi"), {400, 25, 352, 240, {}});
        makePlayer();
        remote().show();
        engine->setFileName(film);
        PlayMedia(*player, 0);
        engine->advance(10);
    }
    SimpleProgress* bar() { return remote().progress; }
    // A press between pixels, which Qt Test cannot give; the bar is 261 pixels wide.
    void pressAtShare(double share) {
        const QPointF at(261 * share, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, bar()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar(), &press);
    }
};

TEST_F(SeekBar, DraggingShowsTheShareAndALeftPressSeeksToItAndPlays) {
    player->video().Timer1->setInterval(1234);
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(0, 2));
    QTest::mouseMove(bar(), QPoint(340, 2));
    EXPECT_EQ(status(), "Seek to 130%..") << "the bar keeps the mouse past its end";
    EXPECT_EQ(player->video().Timer1->Interval(), 5000) << "the full-screen panel stays up";
    QTest::mouseMove(bar(), QPoint(-20, 2));
    EXPECT_EQ(status(), "Seek to -8%..");
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(-20, 2));
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 0) << "only the press seeks";

    pressAtShare(0.25);
    EXPECT_EQ(status(), "Seeking to 25%..");
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 100);
    pressAtShare(0.999);
    EXPECT_EQ(status(), "Seeking to 100%..") << "rounded, not cut";

    PauseMedia(*player);
    pressAtShare(0.5);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 200);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing) << "a press while paused resumes";

    QTest::mouseClick(bar(), Qt::RightButton, {}, QPoint(30, 2));
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 200) << "a right press does not seek";
    StopMedia(*player);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(130, 2));
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped) << "stopped media does not seek";
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 0);
}

// The control on its own: 100 x 10 pixels, red bar on white.
class ProgressControl : public ::testing::Test {
protected:
    void SetUp() override {
        bar.Move(0, 0, 1500, 150);
        bar.setBarColor(Qt::red);
        bar.setBackColor(Qt::white);
    }
    // The drawn bar's width in pixels.
    int drawn() {
        const QImage image = bar.grab().toImage();
        int x = 0;
        while (x < image.width() && image.pixelColor(x, 5) == QColor(Qt::red))
            ++x;
        return x;
    }
    QColor corner() { return bar.grab().toImage().pixelColor(0, 0); }
    Screen screen{QSize(1280, 1024), 96, 96};
    SimpleProgress bar{nullptr, screen};
};

TEST_F(ProgressControl, ValueClampsABarThatCannotBeComputedKeepsThePictureAndPropertiesRoundTrip) {
    bar.setValue(150);
    EXPECT_EQ(bar.value(), 100);
    EXPECT_EQ(drawn(), 100);
    bar.setValue(-5);
    EXPECT_EQ(drawn(), 0);
    bar.setValue(50);
    bar.setMax(200);
    EXPECT_EQ(drawn(), 50) << "a new max waits for the next value";
    bar.setValue(50);
    EXPECT_EQ(drawn(), 25);

    bar.setMax(0);
    bar.setBarColor(Qt::blue);
    EXPECT_EQ(drawn(), 25) << "max 0: not even the colour changes";
    bar.setBarColor(Qt::red);
    bar.setMax(1);
    bar.RedrawBar();
    EXPECT_EQ(drawn(), 25) << "a bar wider than 16 bits of twips";
    bar.setMax(0);
    bar.setValue(60);
    EXPECT_EQ(drawn(), 0) << "a new value clamps to max 0 and empties the bar";

    // Only 0 or 1 is a border; the property set is what a form stores, and what it reads back.
    bar.setBorder(1);
    bar.setBorder(2);
    EXPECT_EQ(bar.border(), 1);
    EXPECT_NE(corner(), QColor(Qt::white));
    bar.setBorder(0);
    EXPECT_EQ(corner(), QColor(Qt::white));
    bar.setBorder(1);
    bar.setMax(200);
    bar.setValue(50);
    SimpleProgress fresh(nullptr, screen);
    EXPECT_EQ(fresh.saveProperties(), (QVariantMap{{"BackColor", QColor(Qt::black)}}));
    fresh.readProperties(bar.saveProperties());
    EXPECT_EQ(fresh.saveProperties(), bar.saveProperties());
    EXPECT_EQ(fresh.saveProperties().size(), 5);
    fresh.readProperties({{"max", "lots"}, {"Value", 1e9}, {"BarColor", "no colour"}});
    EXPECT_TRUE(fresh.saveProperties().isEmpty()) << "all defaults";
}
