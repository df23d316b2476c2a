#include "entry/DailyData.h"

#include "core/Globals.h"
#include "core/modHelpersValidation.h"

namespace DailyData {
namespace {

constexpr int kRestingPulseRange = 1867;
constexpr int kHighestRestingPulse = 300;

std::optional<double> columnValue(const platform::db::Statement &row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<double>(row.columnDouble(column));
}

} // namespace

std::optional<Measures> Read(const QDate &day) {
    auto row = gConn.prepare("select weight, restingpulse from dailydata where theday = ?");
    row.bind(1, day);
    if (!row.step())
        return std::nullopt;
    return Measures{columnValue(row, 0), columnValue(row, 1)};
}

void Store(const QDate &day, const Measures &measures) {
    gConn
        .prepare("insert into dailydata (theday, weight, restingpulse) values (?, ?, ?) on conflict (theday) "
                 "do update set weight = coalesce(excluded.weight, weight), "
                 "restingpulse = coalesce(excluded.restingpulse, restingpulse)")
        .bindAll(day, measures.weight, measures.restingPulse)
        .execute();
}

int Message(Box box) {
    return box == Box::RestingPulse ? kRestingPulseRange : modHelpers::kDecimalRangeMessage;
}

Validation Validate(const QString &weight, const QString &restingPulse) {
    Validation result;
    if (!weight.isEmpty()) {
        const auto value = modHelpers::ReadNumericText(weight);
        if (!value || *value < 0 || *value > modHelpers::kLargestDecimal) {
            result.messages.push_back(Message(Box::Weight));
            result.focus = Box::Weight;
        } else {
            result.measures.weight = value;
        }
    }
    if (!restingPulse.isEmpty()) {
        if (modHelpers::ValidateNumericText(restingPulse, kHighestRestingPulse) != modHelpers::kValid) {
            result.messages.push_back(Message(Box::RestingPulse));
            result.focus = Box::RestingPulse;
        } else {
            result.measures.restingPulse = modHelpers::ReadNumericText(restingPulse);
        }
    }
    return result;
}

} // namespace DailyData
