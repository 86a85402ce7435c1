// The panel's buttons driven the way a user drives them: the pointer goes through the window, so
// whatever lies on top at that spot (a lit twin, a label) is what receives it.
#define QTEST_QPA_MOUSE_HANDLING
#include "support/PlayerFixture.h"

using namespace kyvra;

namespace {

class PanelButtons : public test::PlayerFixture {
protected:
    RemoteForm& openPanel() { return makeStartedPlayer().remote(); }

    void loadClip() {
        LoadMedia(*player, makeMediaFile(QStringLiteral("clip.avi"), {60, 25, 352, 240, {}}), {});
    }

    static QPoint centre(QWidget* control) { return control->geometry().center(); }

    // Onto the control, then a pixel further onto whatever that first move put on top of it.
    void hover(QWidget* control) {
        QTest::mouseMove(&remote(), centre(control));
        QTest::mouseMove(&remote(), centre(control) + QPoint(1, 0));
    }

    // The pointer gets there first, as a user's does, so the click lands on whatever it lit.
    void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        hover(control);
        QTest::mouseClick(&remote(), button, {}, centre(control));
    }

    std::array<Image*, 5> transport() {
        RemoteForm& r = remote();
        return {r.back, r.play, r.pause, r.stop_button, r.forward};
    }
    std::array<Image*, 5> twins() {
        RemoteForm& r = remote();
        return {r.back_over, r.play_over, r.pause_over, r.stop_over, r.forward_over};
    }
};

// The skin also opens the menu on the right button, drags on the left and takes drops.
TEST_F(PanelButtons, WithoutMediaOnlyLoadAndLogoLightAndOnlyTheSkinPutsThemOut) {
    RemoteForm& panel = openPanel();
    panel.status->setCaption(QStringLiteral("idle"));
    for (Image* base : transport())
        hover(base);
    for (Image* twin : twins())
        EXPECT_TRUE(twin->isHidden());
    EXPECT_EQ(panel.status->Caption(), "idle");

    hover(panel.load);
    EXPECT_TRUE(panel.load_over->isVisible());
    EXPECT_EQ(panel.status->Caption(), "Open media for playback");
    hover(panel.kyvra);
    EXPECT_TRUE(panel.kyvra_over->isVisible());
    EXPECT_TRUE(panel.kyvra->isHidden()) << "the logo swaps itself for its twin";

    // The bare form re-arms the status and idle timers but leaves the twins lit.
    panel.Timer2->setEnabled(false);
    player->video().Timer1->setEnabled(false);
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
    EXPECT_TRUE(panel.Timer2->Enabled());
    EXPECT_TRUE(player->video().Timer1->isCounting());
    EXPECT_TRUE(panel.load_over->isVisible());

    panel.Timer2->setEnabled(false);
    hover(panel.status); // the Main view's lines count as the bare skin
    EXPECT_TRUE(panel.load_over->isHidden() && panel.kyvra_over->isHidden());
    EXPECT_TRUE(panel.kyvra->isVisible());
    EXPECT_TRUE(panel.Timer2->Enabled());

    QMenu* menu = this->menu().RemoteMenu;
    for (QWidget* surface :
         std::initializer_list<QWidget*>{panel.background, panel.Label3, panel.titlebar,
                                         panel.status, panel.time, panel.playbackInfo}) {
        QTest::mousePress(&panel, Qt::RightButton, {}, centre(surface));
        EXPECT_TRUE(menu->isVisible()) << surface->geometry().x() << "," << surface->geometry().y();
        menu->hide();
        QTest::mouseRelease(&panel, Qt::RightButton, {}, centre(surface));
    }

    const QPoint grip = centre(panel.titlebar);
    const QPoint before = panel.pos();
    QCursor::setPos(panel.mapToGlobal(grip));
    QTest::mousePress(&panel, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&remote(), grip + QPoint(30, 20));
    // The window went along, so the pointer is over the same spot of it.
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, grip);
    EXPECT_EQ(panel.pos(), before + QPoint(30, 20));

    // The drop rules themselves are the video window's; the panel's drops reach them.
    dropOn(panel, {makeMediaFile(QStringLiteral("a.avi"))}, centre(panel.background));
    EXPECT_EQ(engine->fileName(), dir.filePath(QStringLiteral("a.avi")));
}

// Along the row and back, so every button puts out both its neighbours' twins; a lit twin covers
// its button, so the tooltip under the pointer must still be the button's. The clicks land on the
// lit twins; the seek buttons step on the press and again on the click.
TEST_F(PanelButtons, WithMediaOnlyTheButtonUnderThePointerIsLitHintedAndClicked) {
    RemoteForm& panel = openPanel();
    loadClip();
    const char* const hints[] = {"Seek backwards", "Play media", "Pause playback", "Stop playback",
                                 "Seek forward"};
    for (int i : {0, 1, 2, 3, 4, 3, 2, 1, 0}) {
        hover(transport()[i]);
        EXPECT_EQ(panel.status->Caption(), hints[i]);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(twins()[j]->isVisible(), i == j) << "over " << hints[i] << ", twin " << j;
        QWidget* under = panel.childAt(centre(transport()[i]));
        EXPECT_EQ(under, twins()[i]);
        EXPECT_EQ(under->toolTip(), transport()[i]->toolTip());
    }

    click(panel.play);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    click(panel.pause);
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);

    engine->setCurrentPosition(30);
    click(panel.back);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 20);
    click(panel.back, Qt::RightButton);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 15) << "any button presses, only left clicks";
    EXPECT_FALSE(menu().RemoteMenu->isVisible());
    engine->setCurrentPosition(45);
    click(panel.forward);
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 50) << "stops ten seconds before the end";

    click(panel.stop_button);
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
}

// Without media there is nothing to repeat, and always-on-top waits for the tick that finds media;
// turning it off is immediate.
TEST_F(PanelButtons, ViewsRepeatAlwaysOnTopAndQuit) {
    RemoteForm& panel = openPanel();
    VideoWindow& video = player->video();
    panel.repeat->setVisible(true);
    click(panel.repeat);
    EXPECT_FALSE(player->panelState.repeat);
    click(panel.Label1);
    EXPECT_TRUE(player->windows.onTop);
    EXPECT_EQ(panel.Label1->BorderStyle(), 1);
    EXPECT_FALSE(staysOnTop(panel) || staysOnTop(video));
    EXPECT_FALSE(video.isVisible()) << "a hidden window is not shown by it";
    loadClip();
    panel.tmrKeepTime->tick();
    EXPECT_TRUE(staysOnTop(panel) && staysOnTop(video));
    click(panel.Label1);
    EXPECT_FALSE(player->windows.onTop);
    EXPECT_EQ(panel.Label1->BorderStyle(), 0);
    EXPECT_FALSE(staysOnTop(panel) || staysOnTop(video));

    click(panel.pbview);
    EXPECT_TRUE(panel.cboZoomOpt->isVisible() && panel.status->isHidden());
    click(panel.pbview);
    EXPECT_TRUE(panel.cboZoomOpt->isHidden() && panel.status->isVisible());
    click(panel.volpanel);
    EXPECT_TRUE(panel.volup->isVisible());
    click(panel.pbview);
    EXPECT_EQ(player->panelState.view, "Main") << "from Audio the zoom toggle goes home";
    EXPECT_TRUE(panel.volup->isHidden() && panel.status->isVisible());

    hover(panel.repeat);
    EXPECT_EQ(panel.status->Caption(), "Repeat On");
    click(panel.repeat);
    EXPECT_TRUE(player->panelState.repeat && panel.repeat_over->isVisible());
    click(panel.repeat);
    EXPECT_FALSE(player->panelState.repeat);
    EXPECT_TRUE(panel.repeat_over->isHidden() && panel.repeat->isVisible());

    click(panel.quit);
    EXPECT_EQ(ends, 1);
}

// Reported with what was being done; the program goes on with nothing loaded. A row for each way
// to the engine: the menu's Pause and Rewind run the panel's commands (PopupMenuTest).
TEST_F(PanelButtons, EngineFailuresUnderButtonsAndMenuItemsAreReportedNotFatal) {
    RemoteForm& panel = openPanel();
    MenuForm& menu = this->menu();
    const std::pair<std::function<void()>, QString> commands[] = {
        {[&] { panel.play_over->events.click(); }, "starting playback"},
        {[&] { menu.play->trigger(); }, "starting playback"},
        {[&] { panel.pause->events.click(); }, "pausing playback"},
        {[&] { panel.stop_over->events.click(); }, "stopping playback"},
        {[&] { menu.stop->trigger(); }, "stopping playback"},
        {[&] { panel.back_over->events.mouseDown(2, 0, 0, 0); }, "seeking"},
        {[&] { panel.forward_over->events.mouseDown(1, 0, 0, 0); }, "seeking"},
    };
    for (const auto& [command, doing] : commands) {
        engine->transportFailure.clear();
        loadClip();
        engine->play();
        engine->setCurrentPosition(30);
        prompts->shown.clear();
        engine->transportFailure = QStringLiteral("device lost");

        command();
        ASSERT_EQ(prompts->shown.size(), 1u) << qPrintable(doing);
        EXPECT_TRUE(prompts->shown[0].text.startsWith("An error occured while " + doing + "."));
        EXPECT_EQ(status(), "No media loaded");
        EXPECT_TRUE(engine->fileName().isEmpty());
    }
}

} // namespace
