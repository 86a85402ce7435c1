#pragma once

#include "platform/Prompts.h"

class QWidget;

namespace kyvra {

// The real modal dialogs.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QString defaultTitle) : defaultTitle_(std::move(defaultTitle)) {}

    MsgResult messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                         const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFile(const OpenFileRequest& request) override;

private:
    QString titleOrDefault(const QString& title) const;

    QString defaultTitle_;
};

} // namespace kyvra
