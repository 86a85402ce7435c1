// The panel's buttons driven the way a user drives them: the pointer goes through the window, so
// whatever lies on top at that spot (a lit twin, a label) is what receives it.
#define QTEST_QPA_MOUSE_HANDLING
#include "dialogs/MenuForm.h"
#include "panel/RemoteForm.h"
#include "playback/Transport.h"
#include "support/PlayerFixture.h"
#include "support/QtPrinters.h"
#include "video/VideoWindow.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>

using namespace kyvra;

namespace {

class PanelButtons : public test::PlayerFixture {
protected:
    RemoteForm& openPanel() {
        remote = &makePlayer().remote();
        remote->show();
        remote->Form_Load();
        return *remote;
    }

    void loadClip(double seconds = 60) {
        test::FakeEngine::Media clip;
        clip.seconds = seconds;
        LoadMedia(*player, makeMediaFile(QStringLiteral("clip.avi"), clip), QString());
    }

    static QPoint centre(QWidget* control) { return control->geometry().center(); }

    // Onto the control, then a pixel further onto whatever that first move put on top of it.
    void hover(QWidget* control) {
        QTest::mouseMove(remote, centre(control));
        QTest::mouseMove(remote, centre(control) + QPoint(1, 0));
    }

    void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(remote, button, {}, centre(control));
    }

    void drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(centre(remote->background), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(remote, &enter);
        QDropEvent event(QPointF(centre(remote->background)), Qt::CopyAction, &data, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(remote, &event);
    }

    RemoteForm* remote = nullptr;
};

TEST_F(PanelButtons, TransportTwinsLightOnlyWithMediaWhileLoadAndLogoAlwaysDo) {
    RemoteForm& panel = openPanel();
    panel.status->setCaption(QStringLiteral("idle"));
    for (Image* base : {panel.back, panel.play, panel.pause, panel.stop_button, panel.forward})
        hover(base);
    for (Image* twin :
         {panel.back_over, panel.play_over, panel.pause_over, panel.stop_over, panel.forward_over})
        EXPECT_TRUE(twin->isHidden());
    EXPECT_EQ(panel.status->Caption(), "idle");

    hover(panel.load);
    EXPECT_TRUE(panel.load_over->isVisible());
    EXPECT_EQ(panel.status->Caption(), "Open media for playback");
    hover(panel.kyvra);
    EXPECT_TRUE(panel.kyvra_over->isVisible());
    EXPECT_TRUE(panel.kyvra->isHidden());
    EXPECT_EQ(panel.status->Caption(), "About..");

    panel.Timer2->setEnabled(false);
    hover(panel.status); // the Main view's lines count as the bare skin
    EXPECT_TRUE(panel.load_over->isHidden());
    EXPECT_TRUE(panel.kyvra_over->isHidden());
    EXPECT_TRUE(panel.kyvra->isVisible());
    EXPECT_TRUE(panel.Timer2->Enabled());
}

TEST_F(PanelButtons, EachLitTwinHintsAndPutsOutItsNeighbours) {
    RemoteForm& panel = openPanel();
    loadClip();
    struct Case {
        Image* base;
        Image* twin;
        const char* hint;
        std::vector<Image*> neighbours;
    };
    const Case cases[] = {
        {panel.back, panel.back_over, "Seek backwards", {panel.play_over}},
        {panel.play, panel.play_over, "Play media", {panel.back_over, panel.pause_over}},
        {panel.pause, panel.pause_over, "Pause playback", {panel.play_over, panel.stop_over}},
        {panel.stop_button,
         panel.stop_over,
         "Stop playback",
         {panel.pause_over, panel.forward_over}},
        {panel.forward, panel.forward_over, "Seek forward", {panel.stop_over}},
    };
    for (const Case& c : cases) {
        for (Image* twin : c.neighbours)
            twin->setVisible(true);
        hover(c.base);
        EXPECT_TRUE(c.twin->isVisible()) << c.hint;
        EXPECT_EQ(panel.status->Caption(), c.hint);
        for (Image* twin : c.neighbours)
            EXPECT_TRUE(twin->isHidden()) << c.hint;
    }
}

TEST_F(PanelButtons, ClicksLandOnTheLitTwins) {
    RemoteForm& panel = openPanel();
    loadClip();
    hover(panel.play);
    click(panel.play);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    hover(panel.pause);
    click(panel.pause);
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    hover(panel.stop_button);
    click(panel.stop_button);
    EXPECT_EQ(panel.status->Caption(), "Playback stopped");
}

TEST_F(PanelButtons, SeekButtonsStepOnThePressAndAgainOnTheClick) {
    RemoteForm& panel = openPanel();
    loadClip(60);
    hover(panel.back);
    engine->setCurrentPosition(12);
    click(panel.back);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 7) << "the click's own test fails at 7 s";
    EXPECT_EQ(panel.status->Caption(), "Seeking");
    engine->setCurrentPosition(30);
    click(panel.back);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 20);

    click(panel.back, Qt::RightButton);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 15) << "any button presses, only left clicks";
    EXPECT_FALSE(player->menu().RemoteMenu->isVisible());

    hover(panel.forward);
    engine->setCurrentPosition(45);
    click(panel.forward);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 50) << "stops ten seconds before the end";
    EXPECT_EQ(panel.status->Caption(), "Seeking..");
}

TEST_F(PanelButtons, ZoomAndSoundTogglesSwitchViewsAndComeBackToMain) {
    RemoteForm& panel = openPanel();
    loadClip();
    click(panel.pbview);
    EXPECT_EQ(player->state.PanelView, "Zoom");
    EXPECT_TRUE(panel.cboZoomOpt->isVisible());
    EXPECT_TRUE(panel.status->isHidden());
    click(panel.pbview);
    EXPECT_EQ(player->state.PanelView, "Main");
    EXPECT_TRUE(panel.cboZoomOpt->isHidden());

    click(panel.volpanel);
    EXPECT_EQ(player->state.PanelView, "Audio");
    EXPECT_TRUE(panel.volup->isVisible());
    click(panel.pbview);
    EXPECT_EQ(player->state.PanelView, "Main") << "from Audio the zoom toggle goes home";
    EXPECT_TRUE(panel.volup->isHidden());
    EXPECT_TRUE(panel.status->isVisible());
}

TEST_F(PanelButtons, RepeatSwitchesOnAndOffThroughItsTwoPictures) {
    RemoteForm& panel = openPanel();
    panel.repeat->setVisible(true);
    click(panel.repeat);
    EXPECT_FALSE(player->state.RepeatOn) << "nothing to repeat without media";
    EXPECT_TRUE(panel.repeat_over->isHidden());

    loadClip();
    hover(panel.repeat);
    EXPECT_EQ(panel.status->Caption(), "Repeat On");
    click(panel.repeat);
    EXPECT_TRUE(player->state.RepeatOn);
    EXPECT_TRUE(panel.repeat_over->isVisible());
    hover(panel.repeat);
    EXPECT_EQ(panel.status->Caption(), "Repeat Off");
    click(panel.repeat);
    EXPECT_FALSE(player->state.RepeatOn);
    EXPECT_TRUE(panel.repeat_over->isHidden());
    EXPECT_TRUE(panel.repeat->isVisible());
}

TEST_F(PanelButtons, AlwaysOnTopTakesHoldOnTheNextTickWithMedia) {
    RemoteForm& panel = openPanel();
    VideoWindow& video = player->video();
    auto topMost = [](QWidget& window) {
        return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    click(panel.Label1);
    EXPECT_TRUE(player->state.OnTop);
    EXPECT_EQ(panel.status->Caption(), "Always on Top Enabled");
    EXPECT_EQ(panel.Label1->BorderStyle(), 1);
    EXPECT_FALSE(player->state.OnTopApplied);
    EXPECT_FALSE(topMost(panel) || topMost(video));
    EXPECT_TRUE(video.isVisible()) << "placing a window also shows it";

    loadClip();
    panel.tmrKeepTime->tick();
    EXPECT_TRUE(topMost(panel) && topMost(video));

    click(panel.Label1);
    EXPECT_FALSE(player->state.OnTop);
    EXPECT_EQ(panel.status->Caption(), "Always on Top Disabled");
    EXPECT_EQ(panel.Label1->BorderStyle(), 0);
    EXPECT_FALSE(topMost(panel) || topMost(video)) << "turning it off is immediate";
}

TEST_F(PanelButtons, ChromeLabelsHintAndLookPressed) {
    RemoteForm& panel = openPanel();
    const std::pair<Label*, const char*> hints[] = {
        {panel.Label1, "Toggle Ontop On/off.."},
        {panel.Label5, "Minimise Panel to System Tray"},
        {panel.cmdOptions, "Configure player settings.."},
        {panel.quit, "Exit.."},
    };
    for (const auto& [label, hint] : hints) {
        hover(label);
        EXPECT_EQ(panel.status->Caption(), hint);
    }
    QTest::mousePress(remote, Qt::LeftButton, {}, centre(panel.cmdOptions));
    EXPECT_EQ(panel.cmdOptions->BorderStyle(), 1);
    QTest::mouseRelease(remote, Qt::LeftButton, {}, centre(panel.cmdOptions));
    EXPECT_EQ(panel.cmdOptions->BorderStyle(), 0);
    click(panel.Label5);
    EXPECT_EQ(panel.Label5->BorderStyle(), 1) << "nothing resets it";
    click(panel.quit);
    EXPECT_EQ(panel.quit->BorderStyle(), 0);
    EXPECT_EQ(ends, 1);
}

TEST_F(PanelButtons, SkinSurfacesOpenTheMenuOnTheRightButtonAndDragOnTheLeft) {
    RemoteForm& panel = openPanel();
    QMenu* menu = player->menu().RemoteMenu;
    for (QWidget* surface :
         std::initializer_list<QWidget*>{panel.background, panel.Label3, panel.titlebar,
                                         panel.status, panel.time, panel.playbackInfo}) {
        QTest::mousePress(remote, Qt::RightButton, {}, centre(surface));
        EXPECT_TRUE(menu->isVisible()) << surface->geometry().x() << "," << surface->geometry().y();
        menu->hide();
        QTest::mouseRelease(remote, Qt::RightButton, {}, centre(surface));
    }

    const QPoint grip = centre(panel.titlebar);
    const QPoint before = panel.pos();
    QCursor::setPos(panel.mapToGlobal(grip));
    QTest::mousePress(remote, Qt::LeftButton, {}, grip);
    QTest::mouseMove(remote, grip + QPoint(30, 20));
    // The window went along, so the pointer is over the same spot of it.
    QTest::mouseRelease(remote, Qt::LeftButton, {}, grip);
    EXPECT_EQ(panel.pos(), before + QPoint(30, 20));
}

TEST_F(PanelButtons, BareFormMovesReArmTheStatusAndIdleTimersButLeaveTwinsLit) {
    RemoteForm& panel = openPanel();
    hover(panel.load);
    panel.Timer2->setEnabled(false);
    player->video().Timer1->setEnabled(false);
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(remote, &move);
    EXPECT_TRUE(panel.Timer2->Enabled());
    EXPECT_TRUE(player->video().Timer1->isCounting());
    EXPECT_TRUE(panel.load_over->isVisible());
}

TEST_F(PanelButtons, DropsOpenTheLastExistingFileWhenOneHasAMediaEnding) {
    openPanel();
    const QString shouting = makeMediaFile(QStringLiteral("SHOUT.AVI"));
    drop({QUrl::fromLocalFile(shouting), QUrl::fromLocalFile(dir.filePath("gone.avi"))});
    EXPECT_TRUE(engine->fileName().isEmpty()) << "endings are matched exactly";

    const QString mpeg = makeMediaFile(QStringLiteral("film.mpeg"));
    drop({QUrl::fromLocalFile(mpeg)});
    EXPECT_EQ(engine->fileName(), mpeg);

    const QString avi = makeMediaFile(QStringLiteral("a.avi"));
    const QString notes = makeMediaFile(QStringLiteral("notes.txt"));
    drop({QUrl::fromLocalFile(avi), QUrl::fromLocalFile(notes),
          QUrl::fromLocalFile(dir.filePath("missing.txt"))});
    EXPECT_EQ(engine->fileName(), notes) << "the last existing file, whatever its ending";
}

} // namespace
