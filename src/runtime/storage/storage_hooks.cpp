#include "runtime/storage/storage_hooks.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex hookMutex;
std::function<bool(const QString&)> denyHook;

}  // namespace

namespace StorageHooks {

void setDenyWrite(std::function<bool(const QString& path)> deny) {
    QMutexLocker lock(&hookMutex);
    denyHook = std::move(deny);
}

bool denyWrite(const QString& path) {
    QMutexLocker lock(&hookMutex);
    return denyHook && denyHook(path);
}

}  // namespace StorageHooks
