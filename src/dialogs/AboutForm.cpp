#include "dialogs/AboutForm.h"

#include "core/ProductInfo.h"
#include "dialogs/CreditsPicture.h"
#include "player/Player.h"

#include <QDesktopServices>
#include <QUrl>

namespace kyvra {

namespace {

constexpr float pictureWidth = 4455;
constexpr float pictureHeight = 2655;
constexpr float formWidth = pictureWidth + 30;
constexpr float formHeight = 3135;

QStringList creditTexts() {
    return {
        QStringLiteral("Kyvra Video Player\nA Quenmoor Production"),
        QStringLiteral("Version 1.8.5\nReleased 07/12/2026"),
        QStringLiteral("Programmed by the Kyvra Player team"),
        QStringLiteral("Code contributed by\nthe mpv and FFmpeg developers\nthe Qt Project\n"
                       "the GoogleTest authors"),
        QStringLiteral("Graphics by\nthe Kyvra Player team\nthe Liberation Fonts designers"),
    };
}

} // namespace

AboutForm::AboutForm(Player& player) : Form(player.screen(), 1), player_(player) {
    setCaption(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kyvra-player.svg")));
    QPalette body = palette();
    body.setColor(QPalette::Window, QColor(0x1b, 0x1d, 0x22));
    setPalette(body);
    setAutoFillBackground(true);
    const Screen& screen = player.screen();
    Move((screen.width() - formWidth) / 2, (screen.height() - formHeight) / 2, formWidth,
         formHeight);
    setFixedSize(size());

    Picture1 = new CreditsPicture(this, screen);
    Picture1->Move(15, 0, pictureWidth, pictureHeight);
    Picture1->events.mouseMove = [this](int, int, float, float) { lightLink(false); };
    Picture1->events.click = [this] { Picture1_Click(); };

    Label1 = new Label(this, screen);
    Label1->setCaption(QStringLiteral("Visit Kyvra Homepage"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->Move(1200, 2760, 2295, 255);
    Label1->setForeColor(QColor(255, 0, 0));
    Label1->events.mouseMove = [this](int, int, float, float) { lightLink(true); };
    Label1->events.click = [this] { Label1_Click(); };

    tmr = new Timer(this, kTickMs, false);
    tmr->onTimer = [this] { tmr_Timer(); };
}

AboutForm::~AboutForm() = default;

void AboutForm::Form_Load() {
    roll_ = std::make_unique<CreditRoll>(
        creditTexts(), Picture1->Height(),
        [this](const QString& text, int size) { return Picture1->textHeight(text, size); });
    Picture1->setRoll(roll_.get());
    tmr->setEnabled(true);
    Show();
    Picture1->paintGradient();
}

// Only the block that moved is painted again.
void AboutForm::tmr_Timer() {
    const int moving = roll_->running();
    if (moving == 0) {
        roll_->tick();
        return;
    }
    const CreditBlock& block = roll_->blocks()[moving - 1];
    const QRect before = Picture1->blockRect(block);
    roll_->tick();
    Picture1->update(before.united(Picture1->blockRect(block)));
}

void AboutForm::Picture1_Click() {
    hide();
    close();
}

void AboutForm::Label1_Click() {
    QDesktopServices::openUrl(QUrl(kWebSite));
}

void AboutForm::keyPressEvent(QKeyEvent*) {
    close();
}

void AboutForm::Form_MouseMove(int, int, float, float) {
    lightLink(false);
}

void AboutForm::lightLink(bool underPointer) {
    Label1->setForeColor(underPointer ? QColor(255, 0, 0) : QColor(255, 255, 0));
}

} // namespace kyvra
