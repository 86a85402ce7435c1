#include "panel/RemoteForm.h"

#include "panel/SimpleProgress.h"
#include "player/Player.h"

namespace kyvra {

namespace {
const QString kCaption = QStringLiteral("Kyvra Player");
} // namespace

RemoteForm::RemoteForm(Player& player) : Form(player.screen(), 0), player_(player) {
    setCaption(kCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kyvra-player.svg")));
    // The client area of the designed panel.
    setWidth(4125);
    setHeight(1680);
    acceptFileDrops();
    createControls();
    wireButtons();
    wireTimers();
    wireSeekBar();
    wireVolume();
    wireZoomList();
}

Image* RemoteForm::makeImage(const QString& picture, float left, float top, float width,
                             float height) {
    auto* image = new Image(this, screen());
    image->setPicture(QStringLiteral(":/skin/%1.svg").arg(picture));
    image->Move(left, top, width, height);
    return image;
}

Label* RemoteForm::makeLabel(float left, float top, float width, float height,
                             const QString& caption) {
    auto* label = new Label(this, screen());
    label->Move(left, top, width, height);
    label->setCaption(caption);
    return label;
}

// Creation order is stacking order: the skin first, every hover twin right after its base.
void RemoteForm::createControls() {
    // Every caption on the panel is Arial 8.25 pt unless it says otherwise.
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPointSizeF(8.25);
    setFont(panelFont);
    background = makeImage(QStringLiteral("background"), 0, 0, 4125, 1695);

    titlebar = makeLabel(60, 15, 3090, 210, kCaption);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSizeF(8.25);
    titleFont.setBold(true);
    titlebar->setFont(titleFont);
    titlebar->setForeColor(QColor(56, 3, 13));
    Label3 = makeLabel(0, 0, 135, 135);
    Label4 = makeLabel(0, 0, 705, 405);
    Label4->setToolTip(QStringLiteral("Always On Top"));
    Label1 = makeLabel(3435, 45, 135, 135);
    Label1->setToolTip(QStringLiteral("Always On Top"));
    Label5 = makeLabel(3585, 45, 150, 135);
    Label5->setToolTip(QStringLiteral("Minimise to Tray"));
    cmdOptions = makeLabel(3750, 60, 135, 135);
    cmdOptions->setToolTip(QStringLiteral("Options"));
    quit = makeLabel(3895, 30, 135, 135);
    quit->setToolTip(QStringLiteral("Quit"));

    status = makeLabel(240, 375, 2490, 225);
    time = makeLabel(240, 540, 2490, 225);
    playbackInfo = makeLabel(250, 705, 2490, 225);
    for (Label* line : {status, time, playbackInfo})
        line->setForeColor(Qt::black);

    zoomtext = makeLabel(255, 405, 975, 240, QStringLiteral("Select Zoom:"));
    cboZoomOpt = new ComboBox(this, screen());
    cboZoomOpt->Move(1230, 375, 1030, 330);
    // Once its list closes, by a choice or by Escape, the keys are the player's commands again:
    // a focused box would take Space to reopen the list and letters to pick an entry.
    cboZoomOpt->setFocusPolicy(Qt::NoFocus);
    cboZoomOpt->setStyleSheet(
        QStringLiteral("QComboBox { background: rgb(108, 116, 108); color: rgb(224, 224, 224); }"));

    mute = makeImage(QStringLiteral("mute"), 250, 400, 240, 240);
    mutecross = makeImage(QStringLiteral("mutecross"), 250, 400, 240, 240);
    mutelabel = makeLabel(240, 675, 1095, 255, QStringLiteral("Mute"));
    volume = makeImage(QStringLiteral("volume"), 1400, 400, 240, 240);
    volumelabel = makeLabel(1380, 675, 630, 255, QStringLiteral("Volume"));
    volstatus = makeLabel(1695, 420, 495, 255);
    volup = makeImage(QStringLiteral("volup"), 2415, 390, 165, 120);
    voldown = makeImage(QStringLiteral("voldown"), 2415, 630, 165, 120);

    progress = new SimpleProgress(this, screen());
    progress->Move(120, 1080, 3915, 75);
    progress->setBackColor(Qt::black);
    progress->setBarColor(QColor(0, 64, 64));

    back = makeImage(QStringLiteral("back"), 250, 1290, 315, 240);
    back->setToolTip(QStringLiteral("Prev Track"));
    back_over = makeImage(QStringLiteral("back_over"), 250, 1290, 315, 240);
    play = makeImage(QStringLiteral("play"), 590, 1290, 330, 240);
    play->setToolTip(QStringLiteral("Play"));
    play_over = makeImage(QStringLiteral("play_over"), 590, 1290, 330, 240);
    pause = makeImage(QStringLiteral("pause"), 930, 1290, 330, 240);
    pause->setToolTip(QStringLiteral("Pause"));
    pause_over = makeImage(QStringLiteral("pause_over"), 930, 1290, 330, 240);
    stop_button = makeImage(QStringLiteral("stop"), 1270, 1290, 330, 240);
    stop_button->setToolTip(QStringLiteral("Stop"));
    stop_over = makeImage(QStringLiteral("stop_over"), 1270, 1290, 330, 240);
    forward = makeImage(QStringLiteral("forward"), 1620, 1290, 315, 240);
    forward->setToolTip(QStringLiteral("Next Track"));
    forward_over = makeImage(QStringLiteral("forward_over"), 1620, 1290, 315, 240);
    load = makeImage(QStringLiteral("load"), 3590, 1290, 300, 240);
    load_over = makeImage(QStringLiteral("load_over"), 3590, 1295, 300, 240);
    kyvra = makeImage(QStringLiteral("logo"), 2775, 315, 1215, 375);
    kyvra_over = makeImage(QStringLiteral("logo_over"), 2775, 315, 1215, 375);
    pbview = makeImage(QStringLiteral("pbview"), 3200, 720, 240, 240);
    repeat = makeImage(QStringLiteral("repeat"), 3450, 720, 240, 240);
    repeat_over = makeImage(QStringLiteral("repeat_over"), 3465, 720, 240, 240);
    volpanel = makeImage(QStringLiteral("volpanel"), 3720, 705, 240, 240);

    for (Image* twin : {back_over, play_over, pause_over, stop_over, forward_over, load_over,
                        kyvra_over, repeat_over})
        twin->hide();
    // A shown twin covers its base, so it carries the base's tooltip too.
    for (auto [base, twin] : {std::pair{back, back_over},
                              {play, play_over},
                              {pause, pause_over},
                              {stop_button, stop_over},
                              {forward, forward_over}})
        twin->setToolTip(base->toolTip());

    Timer2 = new Timer(this, 500, true);
    tmrKeepTime = new Timer(this, 500, true);
}

} // namespace kyvra
