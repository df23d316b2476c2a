#include "mainwindow/ActivityGraphChoice.h"

#include "core/modLocalisation.h"
#include "transfer/ActivityListText.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>

namespace ActivityGraphChoice {
namespace {

constexpr int kCombined = 20;

struct Series {
    int textId;
    int code;
};
constexpr Series kNone{1682, 0};
constexpr Series kSpeed{1573, 1};
constexpr Series kPace{1599, 2};
constexpr Series kAltitude{1644, 3};
constexpr Series kElevation{1685, 4};
constexpr Series kHeartRate{1347, 5};

constexpr int kLeftFallback = 1;  // Speed
constexpr int kRightFallback = 2; // Pace

// Filling selects nothing, so that choosing a position afterwards always reaches the list's
// handler, as a choice by the athlete does.
void fill(QComboBox &list, int sessionType, bool hasAltitude) {
    const QSignalBlocker quiet(list);
    list.clear();
    if (!OffersSeries(sessionType))
        return;
    std::vector<Series> entries{kNone, kSpeed, kPace};
    if (hasAltitude)
        entries.insert(entries.end(), {kAltitude, kElevation});
    if (sessionType == kCombined)
        entries.push_back(kHeartRate);
    for (const Series &series : entries) {
        const int position = list.count();
        list.insertItem(position, modLocalisation::LoadResString(series.textId));
        list.setItemData(position, series.code);
    }
    list.setCurrentIndex(-1);
}

int defaultRight(int sessionType, bool hasAltitude) {
    if (sessionType == kCombined)
        return hasAltitude ? 5 : 3;
    return hasAltitude ? 3 : 0;
}

void select(QComboBox &list, int wanted, int fallback) {
    list.setCurrentIndex(wanted > list.count() - 1 ? fallback : wanted);
}

} // namespace

bool OffersSeries(int sessionType) {
    return sessionType == 1 || sessionType == 5 || sessionType == kCombined;
}

void FillSeriesLists(QComboBox &left, QComboBox &right, int sessionType, bool hasAltitude) {
    fill(left, sessionType, hasAltitude);
    fill(right, sessionType, hasAltitude);
}

bool HasAltitude(const StoredActivity &activity) {
    if (!OffersSeries(activity.type))
        return false;
    auto sample =
        gConn.prepare("select Altitude from sessiondata where session_prkey = ? and data_type <> 0");
    sample.bind(1, activity.key);
    return sample.step() && !sample.isNull(0);
}

void ChooseSeries(QComboBox &left, QComboBox &right, const StoredActivity &activity, bool hasAltitude) {
    select(left, activity.graph1.value_or(kSpeed.code), kLeftFallback);
    select(right, activity.graph2.value_or(defaultRight(activity.type, hasAltitude)), kRightFallback);
}

QString GeneralDateText(const QDateTime &start) {
    const QLocale locale;
    const QString day = locale.toString(start.date(), QLocale::ShortFormat);
    if (start.time() == QTime(0, 0))
        return day;
    return day + ' ' + ActivityListText::timeText(start.time());
}

} // namespace ActivityGraphChoice
