#pragma once

#include "dialogs/CreditRoll.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"

#include <memory>

namespace kyvra {

class CreditsPicture;
class Player;

// The about box: the product's name, version and credits rising over a blue gradient, one block
// at a time and forever, and a link to the web site. Any key or a click on the credits closes
// it. Created when opened, destroyed when closed.
class AboutForm : public Form {
public:
    explicit AboutForm(Player& player);
    ~AboutForm() override;

    // How often the credits move, in milliseconds: 5 twips a tick at this pace.
    static constexpr int kTickMs = 15;

    CreditsPicture* Picture1;
    Label* Label1;
    Timer* tmr;

    // Builds the blocks below the picture, starts them and shows the box.
    void Form_Load();
    void tmr_Timer();
    const CreditRoll& roll() const { return *roll_; }

    void Picture1_Click();
    void Label1_Click();

protected:
    // Any key closes the box, also those the form layer has no key code for.
    void keyPressEvent(QKeyEvent* event) override;
    void Form_MouseMove(int button, int shift, float x, float y) override;

private:
    // The link turns red under the pointer and yellow when the pointer is elsewhere on the box.
    void lightLink(bool underPointer);

    Player& player_;
    std::unique_ptr<CreditRoll> roll_;
};

} // namespace kyvra
