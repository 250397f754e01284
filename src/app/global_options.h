#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The options that stand before a command, and alone for the windows:
// --workdir DIR (the folder of LAST.DAT, CONFIG.DAT and RIDGEN.DAT) and
// --settings FILE (the settings file; "vetdocs.INI" in the working folder
// when not given).
struct OptionError {
    int exitCode;
    QString message;
};

// Applies the leading options; next becomes the index of the first argument
// after them.
std::optional<OptionError> applyGlobalOptions(const QStringList& args, qsizetype& next);
