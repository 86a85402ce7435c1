#pragma once

#include <QString>
#include <QStringList>

namespace kyvra {

// What the command line asks of the panel's load step.
struct CommandLineRequest {
    QString path; // empty when nothing is to be opened
    bool fullScreen = false;
};

// The arguments after the program name joined into one text, the way the load step reads it.
// Existing files are named by absolute path so titles and the engine agree whatever the working
// folder.
QString CommandLineText(const QStringList& arguments);

// The path and the "-fullscreen" switch of that text: the switch removed, the rest trimmed and
// one pair of surrounding quotes dropped.
CommandLineRequest ParseCommandLine(const QString& commandLine);

bool Contains(const QString& text, const QString& part);
QString RemoveText(const QString& text, const QString& part);

} // namespace kyvra
