// The options dialog's window and controls; what they do is in OptionsHandlers.cpp.
#include "dialogs/OptionsForm.h"

#include "player/Player.h"

namespace kyvra {

namespace {

// The layout in twips (15 to a pixel at 96 DPI): a banner, the page list, one frame at a time,
// and the buttons along the bottom.
constexpr float dialogWidth = 6300;
constexpr float dialogHeight = 4950;
constexpr float margin = 240;
constexpr float bannerHeight = 720;
constexpr float frameTop = 1440;
constexpr float frameWidth = dialogWidth - 2 * margin;
constexpr float frameHeight = 2790;
constexpr float rowTop = 420;
constexpr float rowPitch = 450;
constexpr float rowHeight = 330;
// Where the controls that follow a caption start, so that captions line up in a column.
constexpr float fieldLeft = 2040;
constexpr float buttonTop = 4350;
constexpr float buttonWidth = 1140;
constexpr float buttonHeight = 390;
constexpr float buttonGap = 60;

float rowY(int row) {
    return rowTop + row * rowPitch;
}

} // namespace

OptionsForm::OptionsForm(Player& player) : Form(player.screen(), 1), player_(player) {
    setCaption(QStringLiteral("Configuration"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kyvra-player.svg")));
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSize(9);
    setFont(dialogFont);
    Move(0, 0, dialogWidth, dialogHeight);
    setFixedSize(size());
    createControls();
    wireHandlers();
}

Frame* OptionsForm::makePage(const QString& caption) {
    auto* frame = new Frame(this, player_.screen(), caption);
    frame->Move(margin, frameTop, frameWidth, frameHeight);
    return frame;
}

CheckBox* OptionsForm::makeCheckBox(Frame* page, int row, const QString& caption,
                                    const QString& tooltip) {
    auto* box = new CheckBox(page, player_.screen());
    box->setText(caption);
    box->setToolTip(tooltip);
    box->Move(margin, rowY(row), frameWidth - 2 * margin, rowHeight);
    return box;
}

Label* OptionsForm::makeLabel(QWidget* parent, float left, float top, float width,
                              const QString& caption) {
    auto* label = new Label(parent, player_.screen());
    label->setCaption(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->Move(left, top, width, rowHeight);
    return label;
}

void OptionsForm::createControls() {
    const Screen& screen = player_.screen();
    picOptions = new Image(this, screen);
    picOptions->setPicture(QStringLiteral(":/skin/options_banner.svg"));
    picOptions->Move(0, 0, dialogWidth, bannerHeight);

    lblSelect = makeLabel(this, margin, 960, fieldLeft - margin, QStringLiteral("Select Options:"));
    options = new ComboBox(this, screen);
    options->Move(fieldLeft, 930, dialogWidth - margin - fieldLeft, 390);

    InterfaceConfig = makePage(QStringLiteral("Interface Options"));
    chkscroll = makeCheckBox(InterfaceConfig, 0,
                             QStringLiteral("Scroll Movie Title if Too Long (more cpu)"));
    chkOnTop = makeCheckBox(InterfaceConfig, 1, QStringLiteral("Always on top"));
    chkSplash = makeCheckBox(InterfaceConfig, 2, QStringLiteral("Show splashscreen on load"),
                             QStringLiteral("Enable/disable the annoying splash-screen"));
    chkWindowPos =
        makeCheckBox(InterfaceConfig, 3, QStringLiteral("Remember window position (not size)"),
                     QStringLiteral("Remember where you left the player windows"));

    AutoConfig = makePage(QStringLiteral("Auto Options"));
    autozoom = makeCheckBox(AutoConfig, 0, QStringLiteral("Auto Switch to Fullscreen on Play"));
    chkPlayer = makeCheckBox(AutoConfig, 1,
                             QStringLiteral("Remember player settings (mute, repeat, zoom)"));
    chkAutostart =
        makeCheckBox(AutoConfig, 2, QStringLiteral("Autostart playback"),
                     QStringLiteral("When opening a file, playback automatically starts"));
    chkExts = makeCheckBox(
        AutoConfig, 3, QStringLiteral("Always register extensions on load"),
        QStringLiteral(
            "Register default extensions (*.avi, *.mpg and *.asf) each time the player starts"));
    Command1 = new CommandButton(AutoConfig, screen, QStringLiteral("Register Now"));
    Command1->Move(margin, rowY(4), 1500, buttonHeight);

    SubtitlesConfig = makePage(QStringLiteral("Subtitles"));
    subtitles = makeCheckBox(SubtitlesConfig, 0, QStringLiteral("Use Subtitles"));
    Label3 = makeLabel(SubtitlesConfig, margin, rowY(1) + 30, fieldLeft - 2 * margin,
                       QStringLiteral("Movie FPS:"));
    fps_text = new TextBox(SubtitlesConfig, screen);
    fps_text->Move(fieldLeft - margin, rowY(1), 1200, 360);
    fps_text->setEnabled(false);

    DDEFrame = makePage(QStringLiteral("DDE Options"));
    lblScript = makeLabel(DDEFrame, margin, rowY(0) + 30, fieldLeft - 2 * margin,
                          QStringLiteral("Script Support:"));
    script = new ComboBox(DDEFrame, screen);
    script->Move(fieldLeft - margin, rowY(0), 2700, 360);
    lblCommand = makeLabel(DDEFrame, margin, rowY(1) + 30, fieldLeft - 2 * margin,
                           QStringLiteral("DDE Command:"));
    command = new TextBox(DDEFrame, screen);
    const float fieldWidth = frameWidth - fieldLeft;
    command->Move(fieldLeft - margin, rowY(1), fieldWidth, 360);
    lblBlankNote = makeLabel(DDEFrame, fieldLeft - margin, rowY(2) - 60, fieldWidth,
                             QStringLiteral("Leave Blank to Disable"));
    lblPlaceholderNote = makeLabel(DDEFrame, fieldLeft - margin, rowY(2) + 210, fieldWidth,
                                   QStringLiteral("(%f = Filename, %t = Time)"));
    for (Label* note : {lblBlankNote, lblPlaceholderNote}) {
        QPalette muted = note->palette();
        muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText));
        note->setPalette(muted);
    }

    float left = dialogWidth - margin - 3 * buttonWidth - 2 * buttonGap;
    const auto makeButton = [&](const QString& caption) {
        auto* button = new CommandButton(this, screen, caption);
        button->Move(left, buttonTop, buttonWidth, buttonHeight);
        left += buttonWidth + buttonGap;
        return button;
    };
    cmdOK = makeButton(QStringLiteral("OK"));
    cmdCancel = makeButton(QStringLiteral("Cancel"));
    cmdApply = makeButton(QStringLiteral("Apply"));
    cmdOK->setDefault(true);
}

} // namespace kyvra
