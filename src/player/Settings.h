#pragma once

#include <QString>

namespace kyvra {

class Player;

// Where every setting lives.
inline const QString kSettingsKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Quenmoor\\Kyvra\\Player");

// True when the stored text of the setting begins with the expected text (case-sensitive); a
// missing value never matches.
bool SettingIs(Player& player, const QString& valueName, const QString& expected);

// Writes one setting; lost, silently, while the settings key does not exist.
void StoreSetting(Player& player, const QString& valueName, const QString& text);
// An on/off setting as "yes" or "no".
void StoreSwitch(Player& player, const QString& valueName, bool on);

// Fills the in-memory copies, applies the six stored positions unchecked, applies the on-top
// setting. A stored position that is not a number throws (AppError 13) and ends it there.
void LoadSettings(Player& player);
void RestoreWindowPositions(Player& player);
void ReadUseSubs(Player& player);
void ReadScrollTitle(Player& player);
void ReadAutoZoom(Player& player);

// The stored "Ontop" setting, applied as the panel loads.
void ApplyOnTopSetting(Player& player);

// What every save stores, from the panel's quit as from the options dialog: the announcement
// values and "AZ"; the stored on-top choice is re-applied to the panel and the picture.
void StoreCommonSettings(Player& player);

} // namespace kyvra
