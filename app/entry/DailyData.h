#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The body weight and resting heart rate of one day: at most one dailydata row per day, keyed
// by the day alone. Read and Store use gConn and throw platform::db::DbError when it fails.
namespace DailyData {

struct Measures {
    std::optional<double> weight;
    std::optional<double> restingPulse; // beats per minute
    bool operator==(const Measures &) const = default;
};

// The day's stored measures; nothing when the day has no row.
std::optional<Measures> Read(const QDate &day);

// Creates the day's row or updates it. A measure without a value keeps what is stored.
void Store(const QDate &day, const Measures &measures);

// What the two boxes give when they are accepted: a weight from 0 to 99999 (fractions allowed)
// and a whole resting heart rate from 0 to 300; an empty box gives no value.
enum class Box { None, Weight, RestingPulse };

// The message that refuses what the box holds, or a paste that does not fit it.
int Message(Box box);

struct Validation {
    std::vector<int> messages; // string ids, in the order they are shown
    Box focus = Box::None;     // the box that gets the focus back
    Measures measures;
    bool accepted() const { return messages.empty(); }
};
Validation Validate(const QString &weight, const QString &restingPulse);

} // namespace DailyData
