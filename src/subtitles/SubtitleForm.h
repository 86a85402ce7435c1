#pragma once

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"

#include <functional>

namespace kyvra {

// The subtitle window: a black borderless strip with centred white text, placed by dragging.
class SubtitleForm : public Form {
public:
    explicit SubtitleForm(const Screen& screen);

    Label* subtitles;
    // Set for the moment the shown line is due to change; idle when nothing will. The player
    // gives it its action.
    Timer* tmrNextChange;
    // Keys belong to the panel, whichever window has the focus: the player sends them there.
    std::function<void(int keyCode, int shift)> onKeyDown;

    // Shows a subtitle line; a carriage return (alone or before a line feed) starts a new line,
    // long lines wrap, and what does not fit the strip's height is cut off at its bottom.
    void ShowText(const QString& text);

protected:
    void Form_MouseDown(int button, int shift, float x, float y) override;
    void Form_KeyDown(int keyCode, int shift) override;
};

} // namespace kyvra
