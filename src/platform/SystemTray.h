#pragma once

#include <QIcon>
#include <QString>
#include <functional>

namespace kyvra {

// The desktop's notification area, holding at most one icon for the program. The icon reports
// what the mouse did over it as the window mouse message that names it.
class SystemTray {
public:
    static constexpr int LeftButtonDown = 0x201;
    static constexpr int LeftButtonDoubleClick = 0x203;
    static constexpr int RightButtonDown = 0x204;
    static constexpr int MiddleButtonDown = 0x207;

    using MessageHandler = std::function<void(int message)>;

    virtual ~SystemTray() = default;

    // False when the desktop has no notification area to hold an icon.
    virtual bool isAvailable() const = 0;
    // Shows the icon (replacing one already shown); its mouse messages go to the handler.
    virtual void add(const QIcon& icon, const QString& tip, MessageHandler handler) = 0;
    // Harmless when no icon is shown.
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
};

} // namespace kyvra
