#pragma once

#include <QStringList>
#include <QTextStream>

// What a command writes to: results to out, messages to err.
struct CommandIo {
    QTextStream& out;
    QTextStream& err;
};

// True when the arguments (after the program name) name a command, so the
// program runs headless instead of opening its windows.
bool isCommandLine(const QStringList& args);

// vetdocs [--workdir DIR] [--settings FILE] COMMAND ...; returns the exit code.
int runCommandLine(const QStringList& args, CommandIo& io);
