#include "support/command_runner.h"

#include <QTextStream>

#include "app/command_line.h"

QStringList CommandResult::lines() const {
    return out.split(u'\n', Qt::SkipEmptyParts);
}

CommandResult runCommand(const QString& workFolder, const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    CommandIo io{outStream, errStream};
    const int code =
        runCommandLine(QStringList{QStringLiteral("--workdir"), workFolder} + args, io);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}
