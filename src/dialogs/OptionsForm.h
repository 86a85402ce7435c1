#pragma once

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

namespace kyvra {

class Player;

// The options dialog ("Configuration"): a list of four pages, each a frame of controls that stand
// for the stored settings, and OK, Cancel and Apply. It keeps no settings of its own: it shows
// the player's and saves through them. Created when opened, destroyed when closed.
class OptionsForm : public Form {
public:
    explicit OptionsForm(Player& player);

    Image* picOptions;
    Label* lblSelect;
    ComboBox* options;
    // Interface Options.
    Frame* InterfaceConfig;
    CheckBox* chkscroll;
    CheckBox* chkOnTop;
    CheckBox* chkSplash;
    CheckBox* chkWindowPos;
    // Auto Options.
    Frame* AutoConfig;
    CheckBox* autozoom;
    CheckBox* chkPlayer;
    CheckBox* chkAutostart;
    CheckBox* chkExts;
    CommandButton* Command1;
    // Subtitles.
    Frame* SubtitlesConfig;
    CheckBox* subtitles;
    Label* Label3;
    TextBox* fps_text;
    // DDE Options.
    Frame* DDEFrame;
    Label* lblScript;
    ComboBox* script;
    Label* lblCommand;
    TextBox* command;
    Label* lblBlankNote;
    Label* lblPlaceholderNote;

    CommandButton* cmdOK;
    CommandButton* cmdCancel;
    CommandButton* cmdApply;

    // The load steps, run once when the dialog opens (OptionsHandlers.cpp).
    void Form_Load();

    // Handlers (OptionsHandlers.cpp).
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();
    void Command1_Click();
    void options_Click();
    void script_Click();
    void subtitles_Click();
    void command_Change();
    void markChanged();

protected:
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseDown(int button, int shift, float x, float y) override;

private:
    void createControls();
    Frame* makePage(const QString& caption);
    CheckBox* makeCheckBox(Frame* page, int row, const QString& caption,
                           const QString& tooltip = {});
    Label* makeLabel(QWidget* parent, float left, float top, float width, const QString& caption);
    void wireHandlers();
    // Shows the chosen entry's frame and hides the three others.
    void showPage(int index);
    // Puts a stored or preset command into the box as the one line it is.
    void putCommand(const QString& text);

    Player& player_;
};

} // namespace kyvra
