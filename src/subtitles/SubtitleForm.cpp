#include "subtitles/SubtitleForm.h"

#include "app/Player.h"
#include "panel/RemoteForm.h"
#include "platform/WindowSystem.h"

namespace kyvra {

SubtitleForm::SubtitleForm(Player& player) : Form(player.screen(), 0), player_(player) {
    setCaption(QStringLiteral("Subtitles"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setWidth(7530);
    setHeight(1560);

    subtitles = new Label(this, player.screen());
    subtitles->Move(0, 0, 7320, 1545);
    subtitles->setForeColor(Qt::white);
    subtitles->setAlignment(Qt::AlignCenter);
    subtitles->setWordWrap(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    subtitles->setFont(font);
    // Pressing on the text drags the window too.
    subtitles->events.mouseDown = [this](int button, int shift, float x, float y) {
        Form_MouseDown(button, shift, x, y);
    };
}

void SubtitleForm::Form_MouseDown(int, int, float, float) {
    dragWindow(*this);
}

void SubtitleForm::Form_KeyDown(int keyCode, int shift) {
    player_.remote().Form_KeyDown(keyCode, shift);
}

} // namespace kyvra
