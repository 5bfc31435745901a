#include "ui/recovery_writer_win.h"

#include <utility>

RecoveryWriter::RecoveryWriter(HWND window, UINT message)
    : window_(window), message_(message), thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryWriter::write(RecoveryCopy copy) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        copy_ = std::move(copy);
        asked_ = true;
    }
    wake_.notify_one();
}

void RecoveryWriter::remove() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        copy_.reset();
        asked_ = true;
    }
    wake_.notify_one();
}

bool RecoveryWriter::finish(std::chrono::milliseconds patience) {
    std::unique_lock<std::mutex> lock(mutex_);
    return done_.wait_for(lock, patience, [this] { return !asked_ && !busy_; }) && onDisk_;
}

bool RecoveryWriter::carryOut(const std::optional<RecoveryCopy>& copy) {
    // Nothing may leave the thread: a copy that cannot even be made is a copy not written.
    try {
        if (copy)
            return store_.write(*copy) == WriteResult::Written;
        store_.remove();
        return true;
    } catch (...) {
        return false;
    }
}

void RecoveryWriter::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return asked_ || stopping_; });
        if (!asked_) {
            return;
        }
        std::optional<RecoveryCopy> copy = std::move(copy_);
        copy_.reset();
        asked_ = false;
        busy_ = true;
        lock.unlock();
        const bool written = carryOut(copy);
        if (copy)
            PostMessageW(window_, message_, written ? 1 : 0, 0);
        lock.lock();
        onDisk_ = written;
        busy_ = false;
        done_.notify_all();
    }
}
