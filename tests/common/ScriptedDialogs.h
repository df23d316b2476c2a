#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <vector>

namespace testing {

// Answers message boxes from a queue (Ok when it runs dry) and records what was shown,
// for as long as it lives.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();

    void answer(platform::dialogs::Answer next) { answers_.push_back(next); }
    const std::vector<platform::dialogs::MessageRequest> &shown() const { return shown_; }

private:
    std::deque<platform::dialogs::Answer> answers_;
    std::vector<platform::dialogs::MessageRequest> shown_;
    platform::dialogs::MessageHandler previous_;
};

} // namespace testing
