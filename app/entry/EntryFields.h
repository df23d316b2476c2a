#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the activity entry boxes accept when the athlete leaves them, and what they recompute in
// their partner boxes. All texts are read in the user's number format; callers trim them first.
namespace EntryFields {

// The answer of checkInteger about a text and a limit.
enum IntegerCheck : std::int16_t {
    kWholeWithin = 0,     // a whole number from 0 to the limit
    kWholeOutside = 1,    // a whole number outside 0 to the limit
    kFractionWithin = 2,  // a number from 0 to the limit that is not whole
    kFractionOutside = 3, // a number outside 0 to the limit that is not whole
    kNoNumber = 5,        // empty text, or text that is no number
};
IntegerCheck checkInteger(const QString &text, int limit);

// The kinds of box, each with the rule that accepts or refuses its text.
enum class Box {
    Distance,
    Hours,
    Minutes,
    Seconds,
    AverageHeartRate,
    PeakHeartRate,
    ZoneTime,
    Speed,
    AveragePaceMinutes,
    AveragePaceSeconds,
    BestPaceMinutes,
    BestPaceSeconds,
};

// The two boxes of the average and of the best pace, the minutes first.
inline constexpr std::array<Box, 2> kAveragePace{Box::AveragePaceMinutes, Box::AveragePaceSeconds};
inline constexpr std::array<Box, 2> kBestPace{Box::BestPaceMinutes, Box::BestPaceSeconds};

// The string id of the message that leaving the box with this text shows; 0 when the text is
// accepted. An empty box is always accepted.
int LeaveMessage(Box box, const QString &text);

// The message that says what the box takes, its range included.
int RangeMessage(Box box);

// The message of a paste refused for not fitting the box: what is wrong with the pasted text
// when the box would refuse it anyway, otherwise what the box takes.
int PasteMessage(Box box, const QString &pasted);

// A pace as its two boxes show it: minutes and seconds, each at least two digits.
struct Pace {
    QString minutes;
    QString seconds;
    bool operator==(const Pace &) const = default;
};

// Pace from a speed in the same distance unit: 60 / speed minutes, in single precision, capped
// at 99.99, seconds truncated. A speed of 0 or less gives "00" and "00".
Pace SpeedToPace(float speed);

// Leaving a speed box: the message to show (0 for none), and otherwise the speed rewritten with
// two decimals and the pace it gives. Nothing changes for an empty box.
struct SpeedLeave {
    int message = 0;
    std::optional<QString> speed;
    std::optional<Pace> pace;
};
SpeedLeave LeaveSpeed(const QString &text);

// Leaving one of the two boxes of the average or the best pace: the message to show for the box
// that was left when it refuses its text, and the speed that the pace gives, when it gives one.
// A box that refuses its text counts as 0.
struct PaceLeave {
    int message = 0;
    std::optional<QString> speed;
};
PaceLeave LeavePace(const QString &minutes, const QString &seconds, Box left);

// A change of a zone's minutes box: the message to show, and the two boxes' new texts when the
// minutes carry whole hours into the hours box.
struct ZoneCarry {
    int message = 0;
    std::optional<QString> hours;
    std::optional<QString> minutes;
};
ZoneCarry CarryZoneMinutes(const QString &hours, const QString &minutes);

// The label beside a pace: minutes caption, the time separator, "ss", "/" and the distance unit
// of the speed unit code (1 kilometres, 2 nautical miles, anything else miles).
QString PaceUnitLabel(int minutesCaptionId, int speedUnitCode);

// Numbers as the boxes show them, in the user's locale without grouping: a speed rounded to two
// decimals (halves to the even neighbour), a value held in single precision (seven digits), and
// any other stored value.
QString SpeedText(double value);
QString SingleText(double value);
QString NumberText(double value);

// Stored seconds split for the duration boxes and for the hours and minutes of a zone.
struct Clock {
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
    std::int64_t seconds = 0;
    bool operator==(const Clock &) const = default;
};
Clock DurationBoxes(double seconds);
Clock ZoneBoxes(double seconds);

} // namespace EntryFields
