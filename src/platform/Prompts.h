#pragma once

#include <QString>

class QWidget;

namespace kyvra {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The values the handlers compare against.
enum class MsgResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct OpenFileRequest {
    QString title;
    // Qt filter text, entries separated by ";;", e.g. "Video Files (*.avi *.mpg);;All Files (*)".
    QString filter;
    int filterIndex = 0;
    QString initialDirectory;
    QString defaultName;
    // The window the dialog belongs to; the active window when null.
    QWidget* owner = nullptr;
};

// Every modal prompt of the program goes through here: the real dialogs in the product, a
// scripted stand-in in tests. An empty title means the application's default title.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual MsgResult messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& title) = 0;
    // Cancel gives empty text.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // The chosen path, or empty text when cancelled.
    virtual QString openFile(const OpenFileRequest& request) = 0;
};

} // namespace kyvra
