#include "subtitles/SubtitleForm.h"

#include "platform/WindowSystem.h"

namespace kyvra {

namespace {

// Far more than the strip shows; a megabyte-long line would otherwise cost seconds of layout.
constexpr qsizetype kMaxShownCharacters = 2000;

} // namespace

SubtitleForm::SubtitleForm(const Screen& screen) : Form(screen, 0) {
    setCaption(QStringLiteral("Subtitles"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setWidth(7530);
    setHeight(1560);

    subtitles = new Label(this, screen);
    subtitles->Move(0, 0, 7320, 1545);
    subtitles->setForeColor(Qt::white);
    subtitles->setAlignment(Qt::AlignCenter);
    subtitles->setWordWrap(true);
    // Arial's metrics; fontconfig answers with a metric twin that has Cyrillic.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    subtitles->setFont(font);
    // Pressing on the text drags the window too.
    subtitles->events.mouseDown = [this](int button, int shift, float x, float y) {
        Form_MouseDown(button, shift, x, y);
    };

    tmrNextChange = new Timer(this, 0, false);
}

void SubtitleForm::ShowText(const QString& text) {
    QString shown = text.left(kMaxShownCharacters);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (shown == subtitles->Caption())
        return;
    subtitles->setCaption(shown);
    // Centred in the strip while it fits; otherwise from the top, so the first lines stay.
    const bool fits = subtitles->heightForWidth(subtitles->width()) <= subtitles->height();
    subtitles->setAlignment(Qt::AlignHCenter | (fits ? Qt::AlignVCenter : Qt::AlignTop));
}

void SubtitleForm::Form_MouseDown(int, int, float, float) {
    dragWindow(*this);
}

void SubtitleForm::Form_KeyDown(int keyCode, int shift) {
    if (onKeyDown)
        onKeyDown(keyCode, shift);
}

} // namespace kyvra
