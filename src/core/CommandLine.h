#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kyvra {

// What the command line asks of the panel's load step.
struct CommandLineRequest {
    QString path; // empty when nothing is to be opened
    bool fullScreen = false;
};

// The arguments after the program name joined into one text, the way the load step reads it,
// from their own bytes so a name that is not UTF-8 still opens. Existing files are named by
// absolute path so titles and the engine agree whatever the working folder, and quoted, so an
// option's text inside a file name is never taken for the option.
QString CommandLineText(const QList<QByteArray>& arguments);

// Takes an option such as "-fullscreen" out of a command line where it stands as a word of its
// own outside double quotes, and trims what is left; true when it was there. A file name that
// merely contains the option's text is left as it is.
bool TakeOption(QString& commandLine, const QString& option);

// The path and the "-fullscreen" switch of that text: the switch taken out, the rest trimmed
// and one pair of surrounding quotes dropped.
CommandLineRequest ParseCommandLine(QString commandLine);

} // namespace kyvra
