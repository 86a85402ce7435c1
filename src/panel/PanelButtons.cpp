// The panel's buttons as one table each for the skin's pictures and the title bar's labels: where
// each stands, its tooltip, its hover twin and hint, and the command a click runs.
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "video/VideoWindow.h"

#include <QRectF>

namespace kyvra {

namespace {

// How a picture's hover twin lights up.
enum class Lighting {
    None,      // no twin
    WithMedia, // only with media loaded; lit, it puts out its neighbours in the row
    Always,    // at any time: opening needs no media
    Swap,      // the picture swaps itself for its twin rather than lying under it
};

// Which of a picture and its twin a click runs the command from. The seek steps also step on the
// twin's press: a full click moves twice as far.
enum class Clicks { Picture, Twin, TwinAndPress, Both };

struct ImageButton {
    Image* RemoteForm::*image;
    const char* picture;
    QRectF place; // left, top, width and height in twips
    const char* tooltip;
    // The status line while the pointer is over the lit twin, or over a picture without one.
    const char* hint;
    PanelCommand command;
    Clicks clicks;
    Image* RemoteForm::*twin; // "<picture>_over", the same size
    QPointF twinAt;
    Lighting lighting;
};

using C = PanelCommand;
using R = RemoteForm;
using L = Lighting;

// In stacking order: every twin right above its picture.
// clang-format off
const ImageButton kImageButtons[] = {
    {&R::back,        "back",        {250, 1290, 315, 240},   "Prev Track", "Seek backwards",
     C::SeekBack,    Clicks::TwinAndPress, &R::back_over,    {250, 1290},  L::WithMedia},
    {&R::play,        "play",        {590, 1290, 330, 240},   "Play",       "Play media",
     C::Play,        Clicks::Twin,         &R::play_over,    {590, 1290},  L::WithMedia},
    {&R::pause,       "pause",       {930, 1290, 330, 240},   "Pause",      "Pause playback",
     C::Pause,       Clicks::Both,         &R::pause_over,   {930, 1290},  L::WithMedia},
    {&R::stop_button, "stop",        {1270, 1290, 330, 240},  "Stop",       "Stop playback",
     C::Stop,        Clicks::Twin,         &R::stop_over,    {1270, 1290}, L::WithMedia},
    {&R::forward,     "forward",     {1620, 1290, 315, 240},  "Next Track", "Seek forward",
     C::SeekForward, Clicks::TwinAndPress, &R::forward_over, {1620, 1290}, L::WithMedia},
    {&R::load,        "load",        {3590, 1290, 300, 240},  nullptr,      "Open media for playback",
     C::Open,        Clicks::Both,         &R::load_over,    {3590, 1295}, L::Always},
    {&R::kyvra,       "logo",        {2775, 315, 1215, 375},  nullptr,      "About..",
     C::About,       Clicks::Both,         &R::kyvra_over,   {2775, 315},  L::Swap},
    {&R::pbview,      "pbview",      {3200, 720, 240, 240},   nullptr,      "Show zoom options",
     C::ZoomView,    Clicks::Picture,      nullptr,          {},           L::None},
    {&R::repeat,      "repeat",      {3450, 720, 240, 240},   nullptr,      "Repeat On",
     C::RepeatOn,    Clicks::Picture,      nullptr,          {},           L::None},
    {&R::repeat_over, "repeat_over", {3465, 720, 240, 240},   nullptr,      "Repeat Off",
     C::RepeatOff,   Clicks::Picture,      nullptr,          {},           L::None},
    {&R::volpanel,    "volpanel",    {3720, 705, 240, 240},   nullptr,      "Toggle Sound Panel",
     C::AudioView,   Clicks::Picture,      nullptr,          {},           L::None},
};
// clang-format on

// How a title-bar label shows that it is pressed.
enum class Pressed { NotShown, UntilReleased, ForGood };

struct LabelButton {
    Label* RemoteForm::*label;
    QRectF place;
    const char* tooltip;
    const char* hint;
    PanelCommand command;
    // The tray label keeps its border: the panel has gone by the time the button is released.
    Pressed pressed;
};

// clang-format off
const LabelButton kLabelButtons[] = {
    {&R::Label1,     {3435, 45, 135, 135}, "Always On Top",    "Toggle Ontop On/off..",
     C::ToggleOnTop, Pressed::NotShown},
    {&R::Label5,     {3585, 45, 150, 135}, "Minimise to Tray", "Minimise Panel to System Tray",
     C::ToTray,      Pressed::ForGood},
    {&R::cmdOptions, {3750, 60, 135, 135}, "Options",          "Configure player settings..",
     C::Options,     Pressed::UntilReleased},
    {&R::quit,       {3895, 30, 135, 135}, "Quit",             "Exit..",
     C::Quit,        Pressed::UntilReleased},
};
// clang-format on

bool mediaLoaded(RemoteForm& remote) {
    return !remote.engine().fileName().isEmpty();
}

// The lit twins next to this row's in the transport row, which go out when it lights.
std::vector<Image*> neighbourTwins(RemoteForm& remote, const ImageButton& row) {
    std::vector<Image*> twins;
    const auto rowAt = &row - std::begin(kImageButtons);
    for (const auto at : {rowAt - 1, rowAt + 1}) {
        if (at >= 0 && at < std::ssize(kImageButtons) &&
            kImageButtons[at].lighting == Lighting::WithMedia)
            twins.push_back(remote.*kImageButtons[at].twin);
    }
    return twins;
}

} // namespace

void RemoteForm::createLabelButtons() {
    for (const LabelButton& row : kLabelButtons) {
        this->*row.label =
            makeLabel(row.place.left(), row.place.top(), row.place.width(), row.place.height());
        (this->*row.label)->setToolTip(QString::fromUtf8(row.tooltip));
    }
}

void RemoteForm::createImageButtons() {
    for (const ImageButton& row : kImageButtons) {
        const QRectF& place = row.place;
        Image* image = makeImage(QString::fromUtf8(row.picture), place.left(), place.top(),
                                 place.width(), place.height());
        this->*row.image = image;
        if (row.tooltip)
            image->setToolTip(QString::fromUtf8(row.tooltip));
        if (!row.twin)
            continue;
        // A shown twin covers its picture, so it carries the picture's tooltip too.
        Image* twin = makeImage(QString::fromUtf8(row.picture) + QStringLiteral("_over"),
                                row.twinAt.x(), row.twinAt.y(), place.width(), place.height());
        twin->setToolTip(image->toolTip());
        twin->hide();
        this->*row.twin = twin;
    }
}

void RemoteForm::wireButtons() {
    for (const ImageButton& row : kImageButtons) {
        Image* image = this->*row.image;
        const QString hint = row.hint ? QString::fromUtf8(row.hint) : QString();
        if (row.clicks == Clicks::Picture || row.clicks == Clicks::Both)
            image->events.click = [this, command = row.command] { run(command); };
        if (!row.twin) {
            image->events.mouseMove = [this, hint](int, int, float, float) {
                status->setCaption(hint);
            };
            continue;
        }
        Image* twin = this->*row.twin;
        image->events.mouseMove = [this, &row, image, twin, hint](int, int, float, float) {
            if (row.lighting == Lighting::WithMedia && !mediaLoaded(*this))
                return;
            twin->setVisible(true);
            if (row.lighting == Lighting::Swap) {
                image->setVisible(false);
                status->setCaption(hint);
            }
        };
        twin->events.mouseMove = [this, &row, hint](int, int, float, float) {
            if (row.lighting == Lighting::WithMedia) {
                if (!mediaLoaded(*this))
                    return;
                for (Image* neighbour : neighbourTwins(*this, row))
                    neighbour->setVisible(false);
            }
            status->setCaption(hint);
        };
        twin->events.click = [this, command = row.command] { run(command); };
        if (row.clicks == Clicks::TwinAndPress)
            twin->events.mouseDown = [this, command = row.command](int, int, float, float) {
                run(command);
            };
    }

    for (const LabelButton& row : kLabelButtons) {
        Label* label = this->*row.label;
        label->events.click = [this, command = row.command] { run(command); };
        label->events.mouseMove = [this, hint = QString::fromUtf8(row.hint)](
                                      int, int, float, float) { status->setCaption(hint); };
        if (row.pressed != Pressed::NotShown)
            label->events.mouseDown = [label](int, int, float, float) { label->setBorderStyle(1); };
        if (row.pressed == Pressed::UntilReleased)
            label->events.mouseUp = [label](int, int, float, float) { label->setBorderStyle(0); };
    }

    const MouseHandler pressOnSkin = [this](int button, int, float, float) {
        background_MouseDown(button);
    };
    background->events.mouseDown = pressOnSkin;
    // Label4 lies over Label3 and the start of the title bar; a press there still drags.
    for (Label* handle : {Label3, Label4, playbackInfo, status, time, titlebar})
        handle->events.mouseDown = pressOnSkin;
    // The Main view's lines lie on the skin and behave like it.
    for (Label* line : {status, playbackInfo, time})
        line->events.mouseMove = [this](int, int, float, float) { background_MouseMove(); };
    background->events.mouseMove = [this](int, int, float, float) { background_MouseMove(); };
}

void RemoteForm::ClearHoverImages() {
    for (const ImageButton& row : kImageButtons) {
        if (row.twin)
            (this->*row.twin)->setVisible(false);
    }
    kyvra->setVisible(true);
}

void RemoteForm::background_MouseMove() {
    ClearHoverImages();
    restartIdleTimer();
    if (!Timer2->Enabled())
        Timer2->setEnabled(true);
}

// Any pointer movement over the panel counts as activity for the full-screen auto-hide.
void RemoteForm::restartIdleTimer() {
    Timer* idle = video_.Timer1;
    idle->setEnabled(false);
    idle->setEnabled(true);
}

} // namespace kyvra
