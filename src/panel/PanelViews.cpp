// The panel's middle views (Main, Zoom, Audio) and its media buttons.
#include "panel/RemoteForm.h"
#include "panel/VolumeControl.h"
#include "playback/MediaEngine.h"

namespace kyvra {

void RemoteForm::ShowMainView() {
    for (Label* line : {status, playbackInfo, time})
        line->setVisible(true);
    events.viewShown(QStringLiteral("Main"));
}

void RemoteForm::HideMainView() {
    for (Label* line : {status, playbackInfo, time})
        line->setVisible(false);
}

void RemoteForm::ShowZoomView() {
    zoomtext->setVisible(true);
    cboZoomOpt->setVisible(true);
}

void RemoteForm::HideZoomView() {
    cboZoomOpt->setVisible(false);
    zoomtext->setVisible(false);
    ShowMainView();
}

void RemoteForm::ShowAudioView() {
    HideMainView();
    events.viewShown(QStringLiteral("Audio"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{mutelabel, voldown, volup, volstatus, volume, volumelabel})
        control->setVisible(true);
    const bool muted = engine_.mute();
    mutecross->setVisible(muted);
    mute->setVisible(!muted);
    mutelabel->setCaption(muted ? QStringLiteral("Restore Sound") : QStringLiteral("Mute Sound"));
    UpdateVolumeLabel(*this, QString());
}

void RemoteForm::HideAudioView() {
    for (QWidget* control : std::initializer_list<QWidget*>{mutelabel, voldown, volup, volstatus,
                                                            volume, mutecross, mute, volumelabel})
        control->setVisible(false);
}

void RemoteForm::EnableRepeat() {
    if (engine_.fileName().isEmpty())
        return;
    repeat_over->setVisible(true);
    events.repeatEnabled();
}

void RemoteForm::ShowMediaButtons(bool show) {
    repeat->setVisible(show);
    pbview->setVisible(show);
    if (!show)
        repeat_over->setVisible(false);
}

} // namespace kyvra
