#pragma once

#include <QString>
#include <functional>

// A seam for tests: the file system refuses nothing to root, so tests tell
// the driver which files to treat as write-protected.
namespace StorageHooks {

// Returns true when write access to the file at this path is to be refused.
void setDenyWrite(std::function<bool(const QString& path)> deny);
bool denyWrite(const QString& path);

}  // namespace StorageHooks
