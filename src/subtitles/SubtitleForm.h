#pragma once

#include "platform/Form.h"
#include "platform/Label.h"

namespace kyvra {

class Player;

// The subtitle window: a black borderless strip with one centred white line, placed by dragging.
class SubtitleForm : public Form {
public:
    explicit SubtitleForm(Player& player);

    Label* subtitles;

protected:
    void Form_MouseDown(int button, int shift, float x, float y) override;
    // Keys belong to the panel, whichever window has the focus.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    Player& player_;
};

} // namespace kyvra
