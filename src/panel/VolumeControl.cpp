// The Audio view: louder, softer and mute, on the engine's own volume in hundredths of a
// decibel. The panel keeps it between kSilent and 0 and shows that range as 0 % to 100 %.
#include "panel/VolumeControl.h"

#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"

namespace kyvra {

namespace {

constexpr qint64 kSilent = kPanelSilentVolume;
constexpr qint64 kStep = 100;
// Added to a step while Shift alone is held.
constexpr qint64 kShiftExtra = 700;
constexpr double kPerPercent = -kSilent / 100.0;
constexpr int kShiftAlone = 1;

const QString kVolumeError = QStringLiteral("An error occured while changing the volume.");

// Stepping is done wider than the engine's integer, so a volume set from outside the panel
// cannot overflow; both results are back within the engine's range.
qint64 softer(qint64 volume, int shift) {
    volume -= kStep;
    if (shift == kShiftAlone)
        volume -= kShiftExtra;
    if (volume - kStep <= kSilent)
        volume = kSilent;
    return volume;
}

qint64 louder(qint64 volume, int shift) {
    if (volume < -kStep) {
        volume += kStep;
        if (shift == kShiftAlone && volume + kShiftExtra < 0)
            volume += kShiftExtra;
    }
    if (volume >= -kStep)
        volume = 0;
    return volume;
}

void changeVolume(RemoteForm& remote, qint64 (*step)(qint64, int), int shift) {
    MediaEngine& engine = remote.engine();
    try {
        engine.setVolume(int(step(engine.volume(), shift)));
        UpdateVolumeLabel(remote, QString());
    } catch (const AppError& error) {
        remote.events.failed(error, kVolumeError);
    }
}

} // namespace

void MuteSound(RemoteForm& remote) {
    remote.engine().setMute(true);
    remote.mutecross->setVisible(true);
    remote.mute->setVisible(false);
    remote.mutelabel->setCaption(QStringLiteral("Restore Sound"));
}

void RestoreSound(RemoteForm& remote) {
    remote.mutelabel->setCaption(QStringLiteral("Mute Sound"));
    remote.engine().setMute(false);
    remote.mutecross->setVisible(false);
    remote.mute->setVisible(true);
}

// A volume below the panel's range, set from outside, shows as a negative percentage.
void UpdateVolumeLabel(RemoteForm& remote, const QString& mode) {
    const qint64 level = remote.engine().volume() - kSilent;
    const auto percent = qint64(roundHalfEven(double(level) / kPerPercent));
    remote.volstatus->setCaption(mode == QLatin1String("mute")
                                     ? QStringLiteral("0%")
                                     : QString::number(percent) + QLatin1Char('%'));
}

void RemoteForm::wireVolume() {
    voldown->events.mouseDown = [this](int button, int shift, float x, float y) {
        voldown_MouseDown(button, shift, x, y);
    };
    volup->events.mouseDown = [this](int button, int shift, float x, float y) {
        volup_MouseDown(button, shift, x, y);
    };
    for (ControlEvents* events : {&mute->events, &mutecross->events, &mutelabel->events})
        events->click = [this] { mute_Click(); };
}

void RemoteForm::voldown_MouseDown(int, int shift, float, float) {
    changeVolume(*this, softer, shift);
}

void RemoteForm::volup_MouseDown(int, int shift, float, float) {
    changeVolume(*this, louder, shift);
}

void RemoteForm::mute_Click() {
    try {
        if (!engine_.mute()) {
            UpdateVolumeLabel(*this, QStringLiteral("mute"));
            MuteSound(*this);
        } else {
            UpdateVolumeLabel(*this, QString());
            RestoreSound(*this);
        }
    } catch (const AppError& error) {
        events.failed(error, kVolumeError);
    }
}

} // namespace kyvra
