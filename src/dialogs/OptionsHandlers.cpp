// What the options dialog does: its load steps, the page list, the announcement presets, change
// tracking and the OK, Cancel, Apply and Register Now buttons.
#include "dialogs/OptionsForm.h"
#include "dialogs/OptionsSettings.h"
#include "platform/WindowSystem.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "settings/Announcement.h"
#include "settings/FileTypes.h"
#include "settings/Registry.h"

#include <QRegularExpression>

namespace kyvra {

namespace {

const QString normalEntry = QStringLiteral("Normal mIRC");
const QString watcherEntry = QStringLiteral("Dark Watcher 2001");
// What a read gives for a missing or unreadable value.
const QString missing = QStringLiteral("Error");
// Longer commands could not be read back from the registry, so the box takes no more.
constexpr int commandLengthLimit = 254;

// Fills a list and selects one entry so that the selection raises the list's change event
// exactly once, as choosing it would.
void fillAndSelect(ComboBox* list, const QStringList& entries, int selected) {
    list->blockSignals(true);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
    list->blockSignals(false);
    list->setCurrentIndex(selected);
}

} // namespace

void OptionsForm::wireHandlers() {
    QObject::connect(options, &QComboBox::currentIndexChanged, this, [this] { options_Click(); });
    QObject::connect(script, &QComboBox::activated, this, [this] { script_Click(); });
    subtitles->onClick = [this] { subtitles_Click(); };
    for (CheckBox* box :
         {chkscroll, chkOnTop, chkSplash, chkWindowPos, autozoom, chkPlayer, chkAutostart, chkExts})
        box->onClick = [this] { markChanged(); };
    command->setMaxLength(commandLengthLimit);
    command->onChange = [this] { command_Change(); };
    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdCancel->onClick = [this] { cmdCancel_Click(); };
    cmdApply->onClick = [this] { cmdApply_Click(); };
    Command1->onClick = [this] { Command1_Click(); };
    picOptions->events.mouseDown = [this](int button, int shift, float x, float y) {
        Form_MouseDown(button, shift, x, y);
    };
}

void OptionsForm::Form_Load() {
    fillAndSelect(options,
                  {QStringLiteral("Interface Options"), QStringLiteral("Auto Options"),
                   QStringLiteral("Subtitles"), QStringLiteral("DDE Options")},
                  0);
    fillAndSelect(script, {normalEntry, watcherEntry},
                  player_.options.ddeMode == kAnnounceModeWatcher ? 1 : 0);
    script_Click();
    // A blank command saved earlier comes back as the preset.
    putCommand(player_.options.ddeCommand == missing ? kAnnounceCommandNormal
                                                     : player_.options.ddeCommand);
    if (command->text().isEmpty())
        putCommand(kAnnounceCommandNormal);
    subtitles_Click();
    showPage(0);
    cmdApply->setEnabled(false);
    player_.windows.dialogOpen = true;
    const Screen& screen = player_.screen();
    setLeft((screen.width() - Width()) / 2);
    setTop((screen.height() - Height()) / 2);
    player_.registry().CreateRegKey(kSettingsKey);
    ShowSettings(player_, *this);
    SetOnTop(player_, *this, true);
    // Loading the values went through the controls' change events.
    cmdApply->setEnabled(false);
}

void OptionsForm::putCommand(const QString& text) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString line = text;
    command->setText(line.replace(lineBreaks, QStringLiteral(" ")));
    // Long commands show their beginning.
    command->setCursorPosition(0);
}

void OptionsForm::showPage(int index) {
    Frame* const pages[] = {InterfaceConfig, AutoConfig, SubtitlesConfig, DDEFrame};
    for (int page = 0; page < 4; ++page)
        pages[page]->setVisible(page == index);
}

void OptionsForm::options_Click() {
    showPage(options->currentIndex());
}

void OptionsForm::markChanged() {
    cmdApply->setEnabled(true);
}

// The mode changes in memory at once; it is stored with the next save, even after Cancel.
void OptionsForm::script_Click() {
    if (script->currentText() == watcherEntry) {
        player_.options.ddeMode = kAnnounceModeWatcher;
        putCommand(kAnnounceCommandWatcher);
    } else if (script->currentText() == normalEntry) {
        player_.options.ddeMode = kAnnounceModeNormal;
        putCommand(kAnnounceCommandNormal);
    }
    markChanged();
}

void OptionsForm::subtitles_Click() {
    markChanged();
    fps_text->setEnabled(false);
    Label3->setEnabled(subtitles->Value() == 1);
}

void OptionsForm::command_Change() {
    markChanged();
}

void OptionsForm::cmdApply_Click() {
    SaveSettings(player_, *this);
    cmdApply->setEnabled(false);
}

void OptionsForm::cmdOK_Click() {
    SaveSettings(player_, *this);
    player_.windows.dialogOpen = false;
    close();
}

// Only OK clears DialogOpen.
void OptionsForm::cmdCancel_Click() {
    close();
}

void OptionsForm::Command1_Click() {
    RegisterFileTypes(player_.registry(), player_.executablePath());
}

void OptionsForm::Form_KeyDown(int keyCode, int) {
    constexpr int returnKey = 13;
    constexpr int escapeKey = 27;
    if (keyCode == escapeKey) {
        cmdCancel_Click();
        return;
    }
    if (keyCode != returnKey)
        return;
    // Return presses the focused button, else OK.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        cmdOK_Click();
}

void OptionsForm::Form_MouseDown(int, int, float, float) {
    dragWindow(*this);
}

} // namespace kyvra
