#pragma once

#include "platform/Dialogs.h"

#include <QString>

#include <optional>

// The checks that the preferences window's number boxes run when they are left. Each takes the
// box's trimmed text and says nothing when the text passes.
namespace preferences {

// A refused text: the message to show, its icon, and what the box shows instead when it is reset.
struct BoxRefusal {
    int messageId = 0;
    platform::dialogs::Icon icon = platform::dialogs::Icon::Information;
    std::optional<QString> replacement;

    bool operator==(const BoxRefusal &) const = default;
};

// A zone bound: empty, or a whole number from 0 to 240.
std::optional<BoxRefusal> CheckZoneBound(const QString &text);

// An age: a whole number from 1 to 110; one out of range puts "30" in the box.
std::optional<BoxRefusal> CheckAge(const QString &text);

// A maximum heart rate: a whole number from 20 to 220.
std::optional<BoxRefusal> CheckMaximumHeartRate(const QString &text);

// One pace box: empty, or whole minutes from 0 to 99.
std::optional<BoxRefusal> CheckPace(const QString &text);

// The pair of pace boxes, fastest and slowest pace.
struct PaceRange {
    enum Verdict {
        Incomplete,          // a box is empty or refused: nothing is stored yet
        Valid,               // to be stored
        NotFastestToSlowest, // the slowest pace is not above the fastest
    };
    Verdict verdict = Incomplete;
    int fastest = 0;
    int slowest = 0;
};
PaceRange CheckPaceRange(const QString &fastest, const QString &slowest);

} // namespace preferences
