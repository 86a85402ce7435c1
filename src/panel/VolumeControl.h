#pragma once

#include <QString>

namespace kyvra {

class RemoteForm;

// The quietest volume the panel steps down to, in hundredths of a decibel; it shows as 0 %.
inline constexpr int kPanelSilentVolume = -3600;

// The Audio view's sound controls, on the engine's real volume and mute.
void MuteSound(RemoteForm& remote);
void RestoreSound(RemoteForm& remote);
void UpdateVolumeLabel(RemoteForm& remote, const QString& mode);

} // namespace kyvra
