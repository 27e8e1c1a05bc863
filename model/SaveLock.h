#pragma once

#include "model/TrustedNames.h"

#include <functional>

// One save at a time per working folder. The lock is a write lock on the file
// ".zev-lock" in the folder, which needs the file open for writing: only
// someone who may write the folder can hold it, so a user who may merely read
// the folder cannot stop everyone's saving.
class SaveLock {
public:
    static constexpr int kWaitMs = 10000;
    static constexpr char kFileName[] = ".zev-lock";
    enum class Status { Held, Busy, Cancelled, Refused };
    // Called while another program holds the lock, with the time waited so
    // far; it waits a moment (and keeps the window alive) and returns false to
    // give up. Without one, the wait is a plain sleep.
    using KeepWaiting = std::function<bool(qint64 waitedMs)>;

    explicit SaveLock(int folder, const KeepWaiting& keepWaiting = {}, int waitMs = kWaitMs);

    Status status() const { return state; }
    bool isHeld() const { return state == Status::Held; }
    int error() const { return failure; }

private:
    Descriptor file;
    Status state = Status::Refused;
    int failure = 0;
};
