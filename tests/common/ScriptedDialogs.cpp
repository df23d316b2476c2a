#include "common/ScriptedDialogs.h"

namespace testing {

ScriptedDialogs::ScriptedDialogs() {
    previous_ =
        platform::dialogs::setMessageHandler([this](const platform::dialogs::MessageRequest &request) {
            shown_.push_back(request);
            if (answers_.empty())
                return platform::dialogs::Answer::Ok;
            const auto next = answers_.front();
            answers_.pop_front();
            return next;
        });
}

ScriptedDialogs::~ScriptedDialogs() {
    platform::dialogs::setMessageHandler(std::move(previous_));
}

} // namespace testing
