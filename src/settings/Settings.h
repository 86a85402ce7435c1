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

// The options dialog's inputs as the settings procedures read and write them.
struct OptionsInputs {
    bool chkSplash = false;
    bool chkExts = false;
    bool chkWindowPos = false;
    bool chkAutostart = false;
    bool chkOnTop = false;
    bool chkPlayer = false;
    bool subtitles = false;
    bool chkscroll = false;
    bool autozoom = false;
    QString fps_text;
    QString command;
};

// Fills the in-memory copies, applies the six stored positions unchecked, applies the on-top
// setting. A stored position that is not a number throws (AppError 13) and ends it there.
void LoadSettings(Player& player);
void RestoreWindowPositions(Player& player);
void ReadUseSubs(Player& player);
void ReadScrollTitle(Player& player);
void ReadAutoZoom(Player& player);
void ShowSettings(Player& player, OptionsInputs& dialog);
// With Quitting set the dialog is not read and only the announcement values and "AZ" are stored.
void SaveSettings(Player& player, const OptionsInputs& dialog);

} // namespace kyvra
