#pragma once

#include "platform/SystemTray.h"

namespace kyvra::test {

// A notification area the test controls: it can be missing, and the test plays the user's mouse
// over the icon with click().
class FakeTray : public SystemTray {
public:
    bool isAvailable() const override { return available; }
    void add(const QIcon& icon, const QString&, MessageHandler handler) override {
        this->icon = icon;
        handler_ = std::move(handler);
        shown = true;
    }
    void remove() override {
        shown = false;
        handler_ = nullptr;
    }
    bool isShown() const override { return shown; }

    // A mouse message over the icon; nothing happens while no icon is shown.
    void click(int message) {
        if (MessageHandler handler = handler_)
            handler(message);
    }

    bool available = true;
    bool shown = false;
    QIcon icon;

private:
    MessageHandler handler_;
};

} // namespace kyvra::test
