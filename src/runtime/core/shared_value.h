#pragma once

#include <QMutex>
#include <QMutexLocker>

// A process-wide value that any window or worker may read and write.
template <typename T>
class Shared {
public:
    explicit Shared(T initial = T{}) : value_(std::move(initial)) {}
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    T get() const {
        QMutexLocker lock(&mutex_);
        return value_;
    }
    void set(T value) {
        QMutexLocker lock(&mutex_);
        value_ = std::move(value);
    }

private:
    mutable QMutex mutex_;
    T value_;
};
