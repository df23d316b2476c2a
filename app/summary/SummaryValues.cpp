#include "summary/SummaryValues.h"

#include "core/Numbers.h"
#include "core/Units.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace summary {
namespace {

constexpr int kUnits = 5;
constexpr std::array<const char *, kUnits> kUnitCodes{"km", "mi", "nm", "m", "yd"};

// kFactors[from][to]. The rows into km, mi and nm keep the factors that stored goals and the
// athletes' own figures were made with; those into m and yd follow from the exact definitions.
constexpr double kFactors[kUnits][kUnits] = {
    /* km */ {1, 0.621371, 0.539957, 1000, 1093.6133},
    /* mi */ {Units::kKilometresPerMile, 1, Units::kNauticalMilesPerMile, 1609.344, Units::kYardsPerMile},
    /* nm */ {1.852, 1.150779, 1, 1852, 2025.3718},
    /* m  */ {0.001, 0.000621, 0.00054, 1, 1.0936133},
    /* yd */ {0.000914, 0.000568, 0.000494, 0.9144, 1},
};

int unitIndex(const QString &unit) {
    const QString code = unit.trimmed().toLower();
    for (int i = 0; i < kUnits; ++i) {
        if (code == QLatin1String(kUnitCodes[i]))
            return i;
    }
    return -1;
}

QString twoDigits(long long value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

ClockReading ClockOfSeconds(double seconds) {
    const double minutes = std::isfinite(seconds) ? std::abs(seconds) / 60 : 0;
    auto hours = static_cast<long long>(std::floor(minutes / 60));
    auto wholeMinutes = static_cast<long long>(std::floor(minutes - hours * 60.0));
    const auto secondsPart =
        static_cast<long long>(Numbers::roundHalfEven(minutes * 60) - hours * 3600.0 - wholeMinutes * 60.0);
    // Seconds that round up to a whole minute carry into it.
    if (secondsPart > 59)
        ++wholeMinutes;
    if (wholeMinutes > 59) {
        wholeMinutes -= 60;
        ++hours;
    }
    return {twoDigits(hours) + QLatin1Char(':') + twoDigits(wholeMinutes),
            static_cast<double>(hours * 60 + wholeMinutes)};
}

QString NumberText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value == 0 ? 0.0 : value, 'f', QLocale::FloatingPointShortest);
}

double DistanceFactor(const QString &fromUnit, const QString &toUnit) {
    const int from = unitIndex(fromUnit);
    const int to = unitIndex(toUnit);
    return from < 0 || to < 0 ? 1.0 : kFactors[from][to];
}

} // namespace summary
