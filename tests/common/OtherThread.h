#pragma once

#include <QCoreApplication>

#include <chrono>
#include <future>
#include <utility>

namespace testing {

// Starts the work on a thread of its own, as a second program that waits for this one's answer.
template <typename Work> auto startOnAnotherThread(Work work) {
    return std::async(std::launch::async, std::move(work));
}

// Serves this thread's events, so that this program can answer, until the work has ended; what
// it returned.
template <typename Result> Result waitServing(std::future<Result> &work) {
    while (work.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return work.get();
}

template <typename Work> auto fromAnotherThread(Work work) {
    auto started = startOnAnotherThread(std::move(work));
    return waitServing(started);
}

} // namespace testing
