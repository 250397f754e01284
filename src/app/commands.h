#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/command_line.h"

// One command of the command line.
struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args, CommandIo& io);
};

int runExport(const QStringList& args, CommandIo& io);
int runImport(const QStringList& args, CommandIo& io);
int runCheck(const QStringList& args, CommandIo& io);
int runPrint(const QStringList& args, CommandIo& io);
int runProfile(const QStringList& args, CommandIo& io);
int runReport(const QStringList& args, CommandIo& io);

namespace CommandSupport {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

// Parses a command's options; handles --help. Returns the exit code to end
// with (0 after help, kUsage on a bad option), or nothing to go on.
std::optional<int> parse(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                         CommandIo& io);
// The value of a required option, or a message and nothing.
std::optional<QString> required(const QCommandLineParser& parser, const QString& option, CommandIo& io);
// Makes DIR the active data folder; a message and false when refused or,
// with mustExist, when it holds no certificate file.
bool useDataFolder(const QString& dir, bool mustExist, CommandIo& io);

}  // namespace CommandSupport
