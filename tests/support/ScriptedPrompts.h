#pragma once

#include "platform/Prompts.h"

#include <QQueue>
#include <QStringList>
#include <functional>
#include <vector>

namespace kyvra::test {

// Records every prompt and answers from queues; with nothing queued a message box answers its
// first button, an input box its default and the open dialog "cancel".
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        enum Kind { Message, Input, OpenFile } kind;
        QString text; // message text, input prompt, or open dialog title
        QString title;
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
        QString defaultText;
        OpenFileRequest request;
    };

    MsgResult messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                         const QString& title) override {
        shown.push_back({Shown::Message, text, title, buttons, icon, {}, {}});
        if (onMessage)
            onMessage();
        if (!messageAnswers.isEmpty())
            return messageAnswers.dequeue();
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                                  : MsgResult::Ok;
    }

    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        shown.push_back(
            {Shown::Input, prompt, title, MsgButtons::OkCancel, MsgIcon::None, defaultText, {}});
        return inputAnswers.isEmpty() ? defaultText : inputAnswers.dequeue();
    }

    QString openFile(const OpenFileRequest& request) override {
        shown.push_back({Shown::OpenFile, request.title, {}, {}, {}, {}, request});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& s : shown)
            if (s.kind == Shown::Message)
                texts << s.text;
        return texts;
    }

    std::vector<Shown> shown;
    // Runs while a message box is up, to see what the user sees behind it.
    std::function<void()> onMessage;
    QQueue<MsgResult> messageAnswers;
    QQueue<QString> inputAnswers;
    QQueue<QString> fileAnswers;
};

} // namespace kyvra::test
