#pragma once

#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace testing {

// How long a test waits for another program (a second start, a sent message) to get somewhere.
inline constexpr int kOtherProgramPatienceMs = 120000;

// Repeats `step` until it holds, giving another program time to get there; false when it never
// held within the patience.
inline bool eventually(const std::function<bool()> &step, int patienceMs = kOtherProgramPatienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    while (!deadline.hasExpired()) {
        if (step())
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace testing
