#pragma once

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"

namespace kyvra {

class Player;

// The subtitle window: a black borderless strip with centred white text, placed by dragging.
class SubtitleForm : public Form {
public:
    explicit SubtitleForm(Player& player);

    Label* subtitles;
    // Set for the moment the shown line is due to change; idle when nothing will.
    Timer* tmrNextChange;

    // Shows a subtitle line; a carriage return (alone or before a line feed) starts a new line,
    // long lines wrap, and what does not fit the strip's height is cut off at its bottom.
    void ShowText(const QString& text);

protected:
    void Form_MouseDown(int button, int shift, float x, float y) override;
    // Keys belong to the panel, whichever window has the focus.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    Player& player_;
};

} // namespace kyvra
