#include "dialogs/DetailsForm.h"

#include "app/Player.h"
#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "playback/MediaEngine.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLocale>
#include <QVBoxLayout>

namespace kyvra {

namespace {

QString wholeNumber(double value) {
    return doubleText(roundHalfEven(value));
}

// Up to 15 significant digits, with the user's decimal separator.
QString decimalNumber(double value) {
    return doubleText(value).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString word(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Hundredths of a decibel as a percentage: -3000 is 0 %, 0 is 100 %. The sum is a 32-bit integer,
// so a volume beyond that range is an overflow, not a wrapped number.
QString volumePercent(int hundredthsOfDb) {
    const qint32 sum = toInt32(double(hundredthsOfDb) + 3000);
    return wholeNumber(sum / 30.0) + QLatin1Char('%');
}

QGroupBox* makeFrame(const QString& title, QGridLayout*& rows) {
    auto* frame = new QGroupBox(title);
    rows = new QGridLayout(frame);
    rows->setHorizontalSpacing(12);
    return frame;
}

} // namespace

DetailsForm::DetailsForm(Player& player) : Form(player.screen(), 1), player_(player) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(QStringLiteral("Movie Information"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);

    QGridLayout* details = nullptr;
    QGroupBox* detailsFrame = makeFrame(QStringLiteral("Details"), details);
    FPS = addRow(details, QStringLiteral("FPS:"), QStringLiteral("Displays Frames per second."));
    duration =
        addRow(details, QStringLiteral("Duration:"), QStringLiteral("Length of Clip, in seconds."));
    streams = addRow(details, QStringLiteral("Streams in File:"),
                     QStringLiteral("Number of streams in the file. Usually 2, 1 audio, 1 video."));
    valid = addRow(details, QStringLiteral("Duration Valid:"),
                   QStringLiteral("Specifies if the files duration is valid."));
    mwidth =
        addRow(details, QStringLiteral("Width:"), QStringLiteral("Video Frame Width. (pixels)"));
    mheight =
        addRow(details, QStringLiteral("Height:"), QStringLiteral("Video Frame Height. (pixels)"));
    broadcast = addRow(details, QStringLiteral("Broadcast:"),
                       QStringLiteral("Displays if file is broadcast or local."));
    items = addRow(details, QStringLiteral("Multiple Items:"),
                   QStringLiteral("For object files, displays if theres more than one."));

    QGridLayout* status = nullptr;
    QGroupBox* statusFrame = makeFrame(QStringLiteral("Status"), status);
    subenabled = addRow(status, QStringLiteral("Subtitles:"),
                        QStringLiteral("Displays if subtitles are enabled."));
    rate =
        addRow(status, QStringLiteral("Playback Rate:"), QStringLiteral("Displays playback rate."));
    muted = addRow(status, QStringLiteral("Sound Muted:"),
                   QStringLiteral("Displays if sound from the player is disabled."));
    lostpackets = addRow(status, QStringLiteral("Lost Packets:"), QString());
    sndcard = addRow(status, QStringLiteral("SoundCard Enabled:"),
                     QStringLiteral("Displays if sound useage is enabled."));
    currentframe = addRow(status, QStringLiteral("Current Position:"),
                          QStringLiteral("Current Position in file. (seconds)"));
    buffering = addRow(status, QStringLiteral("Buffering Time:"),
                       QStringLiteral("Displays buffer allocated."));
    volume = addRow(status, QStringLiteral("Volume:"), QStringLiteral("Current Playback Volume"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(detailsFrame);
    frames->addWidget(statusFrame);
    Command1 = new QPushButton(QStringLiteral("OK"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("Hover cursor for definition.")), 1);
    footer->addWidget(Command1);
    auto* window = new QVBoxLayout(this);
    window->addLayout(frames);
    window->addLayout(footer);
    window->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new Timer(this, 50, true);
    Timer1->onTimer = [this] { refresh(); };
    Form_Load();
}

QLabel* DetailsForm::addRow(QGridLayout* frame, const QString& caption, const QString& tooltip) {
    const int row = frame->rowCount();
    auto* name = new QLabel(caption);
    name->setToolTip(tooltip);
    auto* value = new QLabel;
    value->setTextFormat(Qt::PlainText);
    // A value changes up to 20 times a second. A fixed size keeps that from laying out the whole
    // window again (the widest text is a position with 15 digits and an exponent), and an opaque
    // label repaints alone, without the frame behind it.
    value->setAutoFillBackground(true);
    value->setAttribute(Qt::WA_OpaquePaintEvent);
    const QFontMetrics metrics(value->font());
    value->setFixedSize(metrics.horizontalAdvance(QStringLiteral("-0.00000000000000E+00")),
                        metrics.height());
    frame->addWidget(name, row, 0);
    frame->addWidget(value, row, 1);
    return value;
}

void DetailsForm::showValue(QLabel* label, const std::function<QString()>& value) {
    try {
        label->setText(value());
    } catch (const AppError&) {
        label->clear();
    }
}

// Frame rate and length are measured once: the length in frames over the length in seconds. The
// engine is always left counting in seconds, which the rest of the player relies on.
void DetailsForm::Form_Load() {
    MediaEngine& engine = player_.engine();
    double frames = 0;
    double seconds = 0;
    try {
        engine.setPositionUnit(MediaEngine::UnitFrames);
        frames = engine.duration();
        engine.setPositionUnit(MediaEngine::UnitSeconds);
        seconds = engine.duration();
    } catch (const AppError&) {
        engine.setPositionUnit(MediaEngine::UnitSeconds);
    }
    // A file without a length has no frame rate to speak of.
    FPS->setText(wholeNumber(seconds > 0 ? frames / seconds : 0));
    duration->setText(wholeNumber(seconds) + QStringLiteral(" secs"));
    refresh();
}

void DetailsForm::refresh() {
    MediaEngine& engine = player_.engine();
    showValue(mwidth, [&] { return QString::number(engine.imageSourceWidth()); });
    showValue(mheight, [&] { return QString::number(engine.imageSourceHeight()); });
    showValue(items, [&] { return word(engine.hasMultipleItems()); });
    showValue(streams, [&] { return QString::number(engine.streamCount()); });
    showValue(valid, [&] { return word(engine.isDurationValid()); });
    showValue(broadcast, [&] { return word(engine.isBroadcast()); });
    showValue(volume, [&] { return volumePercent(engine.volume()); });
    showValue(buffering, [&] { return decimalNumber(engine.bufferingTime()); });
    showValue(currentframe, [&] { return decimalNumber(engine.currentPosition()); });
    showValue(lostpackets, [&] { return QString::number(engine.lostPackets()); });
    showValue(rate, [&] { return wholeNumber(engine.rate() * 100) + QLatin1Char('%'); });
    showValue(sndcard, [&] { return word(engine.soundCardEnabled()); });
    showValue(muted, [&] { return word(engine.mute()); });
    showValue(subenabled, [&] { return word(player_.state.UseSubs); });
}

void DetailsForm::Command1_Click() {
    player_.state.DialogOpen = true;
    hide();
    close();
}

// Return and Escape close it the way they close any dialog.
void DetailsForm::Form_KeyDown(int keyCode, int) {
    constexpr int returnKey = 13;
    constexpr int escapeKey = 27;
    if (keyCode == returnKey || keyCode == escapeKey)
        Command1_Click();
}

void DetailsForm::Form_QueryUnload(bool&) {
    Form_Unload();
}

void DetailsForm::Form_Unload() {
    Timer1->setEnabled(false);
    player_.state.DialogOpen = false;
}

} // namespace kyvra
