// The keyboard commands. Three tables in order: Alt only, any modifiers, Ctrl only; a key runs
// every command it matches unless its command ends the handling.
#include "player/KeyCommands.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "panel/RemoteForm.h"
#include "platform/InputCodes.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/Zoom.h"

#include <QGuiApplication>
#include <optional>

namespace kyvra {

namespace {

enum Key {
    Enter = 13,
    Escape = 27,
    Space = 32,
    Digit1 = '1',
    Digit2 = '2',
    Digit3 = '3',
    BracketLeft = 219,
    BracketRight = 221,
    F4 = 115,
};

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// A half-second step shows its frame at once, paused or not: the engine seeks exactly.
void stepBy(Player& player, double seconds) {
    SeekTo(player, player.engine().currentPosition() + seconds);
}

// Seconds the user typed; nothing for Cancel, text that is not a number, or one beyond range.
std::optional<double> typedSeconds(const QString& answer) {
    return parseNumber(answer);
}

void seekToTypedTime(Player& player) {
    const QString answer =
        player.prompts().inputBox(QStringLiteral("Enter Time (secs) To Seek To."), {}, {});
    if (const auto seconds = typedSeconds(answer))
        SeekTo(player, *seconds);
}

// True when the key's command ends the handling.
bool runAltCommand(Player& player, int keyCode) {
    switch (keyCode) {
    case Enter:
        ToggleFullScreen(player);
        return true;
    case 'Q':
    case F4:
        player.remote().quit_Click();
        break;
    case Digit3:
        ZoomToMultiple(player, 2);
        break;
    case Digit2:
        ZoomToMultiple(player, 1);
        break;
    case Digit1:
        ZoomToMultiple(player, 0.5);
        break;
    default:
        break;
    }
    return false;
}

bool runCommand(Player& player, int keyCode) {
    RemoteForm& remote = player.remote();
    MediaEngine& engine = player.engine();
    switch (keyCode) {
    case Space:
    case 'C':
        remote.run(PanelCommand::Pause);
        break;
    case 'X':
        remote.run(PanelCommand::Play);
        break;
    case 'V':
    case Escape:
        StopMedia(player);
        break;
    case 'Z':
    case 'R':
        remote.run(PanelCommand::SeekBack);
        break;
    case 'B':
    case 'F':
        remote.run(PanelCommand::SeekForward);
        break;
    case BracketRight:
    case BracketLeft:
        if (engine.fileName().isEmpty())
            return true;
        stepBy(player, keyCode == BracketRight ? 0.5 : -0.5);
        break;
    case 'T':
        SeekTo(player, 0);
        break;
    case 'G':
        SeekTo(player, engine.duration());
        break;
    case 'L':
        remote.load_Click();
        break;
    default:
        break;
    }
    return false;
}

void runCtrlCommand(Player& player, int keyCode) {
    RemoteForm& remote = player.remote();
    switch (keyCode) {
    case 'P':
        remote.run(PanelCommand::Pause);
        break;
    case 'S':
        seekToTypedTime(player);
        break;
    case 'Q':
        remote.quit_Click();
        break;
    case 'A':
        remote.run(PanelCommand::ToggleOnTop);
        break;
    default:
        break;
    }
}

} // namespace

void HandleKey(Player& player, int keyCode, int shift) {
    player.keyModifiers.shift = (shift & kShift) != 0;
    player.keyModifiers.alt = (shift & kAlt) != 0;
    player.keyModifiers.ctrl = (shift & kCtrl) != 0;
    try {
        if (player.keyModifiers.alt && runAltCommand(player, keyCode))
            return;
        if (runCommand(player, keyCode))
            return;
        if (player.keyModifiers.ctrl)
            runCtrlCommand(player, keyCode);
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured while attempting to execute a command "
                                   "triggered from the keyboard."));
    }
}

bool HandleCloseAsAltF4(Player& player) {
    const int shift = shiftStateCode(QGuiApplication::queryKeyboardModifiers());
    if (!(shift & kAlt))
        return false;
    HandleKey(player, F4, shift);
    return true;
}

} // namespace kyvra
