#include "entry/EntryWindows.h"

#include "entry/AddWorkout.h"
#include "platform/ReportedFailures.h"

#include <memory>

namespace entry {

void showAddWorkout(QWidget *owner) {
    std::unique_ptr<AddWorkout> window;
    if (platform::failures::runReported([&] { window = std::make_unique<AddWorkout>(owner); }))
        window->exec();
}

} // namespace entry
