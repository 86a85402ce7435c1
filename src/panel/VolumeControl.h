#pragma once

#include <QString>

namespace kyvra {

class RemoteForm;

// The Audio view's sound controls, on the engine's real volume and mute.
void MuteSound(RemoteForm& remote);
void RestoreSound(RemoteForm& remote);
void UpdateVolumeLabel(RemoteForm& remote, const QString& mode);

} // namespace kyvra
