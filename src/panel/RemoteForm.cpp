#include "panel/RemoteForm.h"

#include "core/AppError.h"
#include "panel/SimpleProgress.h"

namespace kyvra {

namespace {
const QString kCaption = QStringLiteral("Kyvra Player");
} // namespace

RemoteForm::RemoteForm(const Screen& screen, MediaEngine& engine, VideoWindow& video)
    : Form(screen, 0), engine_(engine), video_(video) {
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
    createLabelButtons();

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

    createImageButtons();
    // Shown while repeat is on.
    repeat_over->hide();

    Timer2 = new Timer(this, 500, true);
    tmrKeepTime = new Timer(this, 500, true);
}

// What the player does for the panel; each handler keeps its name for whoever calls it.
void RemoteForm::run(PanelCommand command) {
    events.command(command);
}

void RemoteForm::load_Click() {
    events.open();
}

void RemoteForm::Form_Load() {
    events.load();
}

void RemoteForm::quit_Click() {
    events.quit();
}

void RemoteForm::Form_QueryUnload(bool& cancel) {
    events.close(cancel);
}

void RemoteForm::wireTimers() {
    // A timer tick has nobody to report to: an engine that fails a read costs that tick's update.
    Timer2->onTimer = [this] {
        try {
            Timer2_Timer();
        } catch (const AppError&) {
        }
    };
    tmrKeepTime->onTimer = [this] { tmrKeepTime_Timer(); };
}

// Puts the player's state back into the status line after a hint.
void RemoteForm::Timer2_Timer() {
    Timer2->setEnabled(false);
    events.restoreStatus();
}

void RemoteForm::tmrKeepTime_Timer() {
    events.keepTime();
}

} // namespace kyvra
