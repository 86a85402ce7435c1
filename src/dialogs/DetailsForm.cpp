#include "dialogs/DetailsForm.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"

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

struct Row {
    const char* caption;
    const char* tooltip;
    QLabel* DetailsForm::*value;
};

const Row kDetailsRows[] = {
    {"FPS:", "Displays Frames per second.", &DetailsForm::FPS},
    {"Duration:", "Length of Clip, in seconds.", &DetailsForm::duration},
    {"Streams in File:", "Number of streams in the file. Usually 2, 1 audio, 1 video.",
     &DetailsForm::streams},
    {"Duration Valid:", "Specifies if the files duration is valid.", &DetailsForm::valid},
    {"Width:", "Video Frame Width. (pixels)", &DetailsForm::mwidth},
    {"Height:", "Video Frame Height. (pixels)", &DetailsForm::mheight},
    {"Broadcast:", "Displays if file is broadcast or local.", &DetailsForm::broadcast},
    {"Multiple Items:", "For object files, displays if theres more than one.", &DetailsForm::items},
    {"Picture:", "How the picture reaches the screen: OpenGL or software.", &DetailsForm::picture},
};

const Row kStatusRows[] = {
    {"Subtitles:", "Displays if subtitles are enabled.", &DetailsForm::subenabled},
    {"Playback Rate:", "Displays playback rate.", &DetailsForm::rate},
    {"Sound Muted:", "Displays if sound from the player is disabled.", &DetailsForm::muted},
    {"Lost Packets:", "", &DetailsForm::lostpackets},
    {"SoundCard Enabled:", "Displays if sound useage is enabled.", &DetailsForm::sndcard},
    {"Current Position:", "Current Position in file. (seconds)", &DetailsForm::currentframe},
    {"Buffering Time:", "Displays buffer allocated.", &DetailsForm::buffering},
    {"Volume:", "Current Playback Volume", &DetailsForm::volume},
};

QLabel* makeValueLabel() {
    auto* value = new QLabel;
    value->setTextFormat(Qt::PlainText);
    // A value changes up to 20 times a second. A fixed size keeps that from laying out the whole
    // window again (the widest text is a position with 15 digits and an exponent), and a label
    // that fills its own background, like a read-only field, repaints without the frame behind.
    value->setAutoFillBackground(true);
    value->setBackgroundRole(QPalette::Base);
    value->setIndent(4);
    const QFontMetrics metrics(value->font());
    value->setFixedSize(metrics.horizontalAdvance(QStringLiteral("-0.00000000000000E+00")) + 8,
                        metrics.height() + 2);
    return value;
}

// A frame of caption and value pairs; each caption explains itself in its tooltip.
template <size_t N>
QGroupBox* makeFrame(DetailsForm& form, const QString& title, const Row (&rows)[N]) {
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    for (const Row& row : rows) {
        auto* caption = new QLabel(QString::fromLatin1(row.caption));
        caption->setToolTip(QString::fromLatin1(row.tooltip));
        QLabel* value = makeValueLabel();
        const int line = grid->rowCount();
        grid->addWidget(caption, line, 0);
        grid->addWidget(value, line, 1);
        form.*row.value = value;
    }
    return frame;
}

} // namespace

DetailsForm::DetailsForm(Player& player) : Form(player.screen(), 1), player_(player) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(QStringLiteral("Movie Information"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);

    QGroupBox* detailsFrame = makeFrame(*this, QStringLiteral("Details"), kDetailsRows);
    QGroupBox* statusFrame = makeFrame(*this, QStringLiteral("Status"), kStatusRows);
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

void DetailsForm::showValue(QLabel* label, const std::function<QString()>& value) {
    try {
        label->setText(value());
    } catch (const AppError&) {
        // The window refreshes every 50 ms: a value the engine cannot give now is blank till then.
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
        // Nothing measured: the rate below shows as 0, as for a file without a length.
        engine.setPositionUnit(MediaEngine::UnitSeconds);
    }
    // A file without a length has no frame rate to speak of.
    FPS->setText(wholeNumber(seconds > 0 ? frames / seconds : 0));
    duration->setText(wholeNumber(seconds) + QStringLiteral(" secs"));
    picture->setText(engine.picturePath());
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
    showValue(sndcard, [&] {
        return engine.playsSilently() ? QStringLiteral("False (no sound device)")
                                      : word(engine.soundCardEnabled());
    });
    showValue(muted, [&] { return word(engine.mute()); });
    showValue(subenabled, [&] { return word(player_.options.useSubs); });
}

void DetailsForm::Command1_Click() {
    player_.windows.dialogOpen = true;
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
    player_.windows.dialogOpen = false;
}

} // namespace kyvra
