#pragma once

#include <QString>
#include <QStringList>

// What a command run in this process wrote and answered.
struct CommandResult {
    int code;
    QString out;
    QString err;

    // The lines of out that are not empty.
    QStringList lines() const;
};

// Runs `vetdocs --workdir workFolder args...` as the program would.
CommandResult runCommand(const QString& workFolder, const QStringList& args);
