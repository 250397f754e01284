#pragma once

#include <QString>
#include <optional>

#include "runtime/core/shared_value.h"

// The file names of the certificate and permit tables: the active data
// folder's path followed by "forma3.dat" and "licenziy.dat"; blank while no
// data folder is active.
extern Shared<QString> Forma3FileName;
extern Shared<QString> LicenziyFileName;

namespace DataFolder {

constexpr int kMaxFileName = 255;

// Makes the folder active. A path without a trailing separator gets one.
// Refused, with the reason, when the file names would not fit.
std::optional<QString> activate(const QString& path);
// Whether the folder is the active one.
bool isActive(const QString& path);
// Why activate() would refuse the path; nothing when it would not.
std::optional<QString> refusal(const QString& path);
// The folder path with exactly one trailing "/"; blank stays blank.
QString normalized(const QString& path);

// The folder of LAST.DAT, CONFIG.DAT and RIDGEN.DAT: the process's current
// folder unless set.
void setWorkFolder(const QString& path);
QString workFolder();
QString workFile(const QString& name);  // "LAST" -> "<work folder>/LAST.DAT"

}  // namespace DataFolder
