#pragma once

#include "platform/Dialogs.h"

#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <vector>

namespace testing {

// Answers message boxes as a user would: each waits in its own event loop for a few turns of
// it before it is answered Ok. Records the texts, and runs `whileOpen` as each box opens.
class AnswerLater {
public:
    explicit AnswerLater(std::function<void()> whileOpen = {}) {
        previous_ = platform::dialogs::setMessageHandler(
            [this, whileOpen = std::move(whileOpen)](const platform::dialogs::MessageRequest &request) {
                texts.push_back(request.text);
                if (whileOpen)
                    whileOpen();
                QEventLoop box;
                int turns = 0;
                QTimer turn;
                QObject::connect(&turn, &QTimer::timeout, [&] {
                    if (++turns == kTurns)
                        box.quit();
                });
                turn.start(0);
                box.exec();
                return platform::dialogs::Answer::Ok;
            });
    }
    ~AnswerLater() { platform::dialogs::setMessageHandler(std::move(previous_)); }

    std::vector<QString> texts;

private:
    static constexpr int kTurns = 10;
    platform::dialogs::MessageHandler previous_;
};

} // namespace testing
