#include "dialogs/SplashForm.h"

#include "core/ProductInfo.h"
#include "platform/Prompts.h"
#include "platform/SingleInstance.h"
#include "player/Player.h"

namespace kyvra {

SplashForm::SplashForm(Player& player, std::function<void()> startPlayer)
    : Form(player.screen(), 0), player_(player), startPlayer_(std::move(startPlayer)) {
    setCaption(kProductTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    // 400 x 250 pixels at the normal 96 DPI, centred on the screen.
    const Screen& screen = player.screen();
    Move((screen.width() - 6000) / 2, (screen.height() - 3750) / 2, 6000, 3750);
    picture = new Image(this, screen);
    picture->setPicture(QStringLiteral(":/splash.svg"));
    picture->Move(0, 0, 6000, 3750);
    picture->events.mouseDown = [this](int button, int shift, float x, float y) {
        Form_MouseDown(button, shift, x, y);
    };
    tmrHide = new Timer(this, 2000, false);
    tmrHide->onTimer = [this] {
        tmrHide->setEnabled(false);
        start();
    };
}

bool SplashForm::Form_Load() {
    tmrHide->setEnabled(true);
    // Laid out for the normal 96 DPI: larger fonts would cut the windows' texts.
    if (player_.screen().logicalDpiX() != 96) {
        player_.prompts().messageBox(
            QStringLiteral("This Program Requires Normal Sized Screen Fonts to Operate.  Please "
                           "switch to Normal Font Sizes and run this Program again."),
            MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Error"));
        close();
        return false;
    }
    if (player_.singleInstance().anotherIsRunning()) {
        player_.prompts().messageBox(QStringLiteral("Program Already running, exiting."),
                                     MsgButtons::Ok, MsgIcon::None, QString());
        close();
        return false;
    }
    ready_ = true;
    return true;
}

void SplashForm::Form_KeyDown(int, int) {
    start();
}

void SplashForm::Form_MouseDown(int, int, float, float) {
    start();
}

// Closed by the user through the window manager: that is one more way to say "go on", never a
// way to leave the program running without a window.
void SplashForm::Form_QueryUnload(bool&) {
    start();
}

void SplashForm::start() {
    if (started_ || !ready_)
        return;
    started_ = true;
    startPlayer_();
}

} // namespace kyvra
