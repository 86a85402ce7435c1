#pragma once

#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Timer.h"

#include <functional>

namespace kyvra {

class Player;

// The start-up picture. After two seconds, a click or a key press, whichever comes first, it
// hands over to the player once.
class SplashForm : public Form {
public:
    SplashForm(Player& player, std::function<void()> startPlayer);

    Image* picture;
    Timer* tmrHide;

    // The load step: false when the player must not start (large fonts, another instance).
    bool Form_Load();

protected:
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseDown(int button, int shift, float x, float y) override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void start();

    Player& player_;
    std::function<void()> startPlayer_;
    // Set once the load step's checks have passed: a refused start must not be overtaken by the
    // timer or a click while its message is up.
    bool ready_ = false;
    bool started_ = false;
};

} // namespace kyvra
