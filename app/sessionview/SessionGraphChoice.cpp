#include "sessionview/SessionGraphChoice.h"

#include "core/ActivityListText.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>

namespace sessionview {
namespace {

using Quantity = SessionGraphQuantity;

// The property of a chooser that names the activity whose choices it holds.
constexpr char kActivityProperty[] = "sessionKey";

int textId(Quantity quantity) {
    switch (quantity) {
    case Quantity::None:
        return 1682;
    case Quantity::Speed:
        return 1573;
    case Quantity::Pace:
        return 1599;
    case Quantity::Altitude:
        return 1644;
    case Quantity::Elevation:
        return 1685;
    case Quantity::HeartRate:
        return 1347;
    }
    return 1682;
}

// Filling selects nothing, so that choosing a position afterwards always reaches the list's
// handler, as a choice by the athlete does.
void fill(QComboBox &list, const std::vector<Quantity> &items, SessionKey key) {
    const QSignalBlocker quiet(list);
    list.clear();
    for (const Quantity quantity : items) {
        const int position = list.count();
        list.insertItem(position, modLocalisation::LoadResString(textId(quantity)));
        list.setItemData(position, static_cast<int>(quantity));
    }
    list.setCurrentIndex(-1);
    list.setProperty(kActivityProperty, QVariant::fromValue<qint64>(key));
}

void select(QComboBox &list, int wanted, int fallback) {
    list.setCurrentIndex(wanted < 0 || wanted > list.count() - 1 ? fallback : wanted);
}

} // namespace

std::optional<GraphChoices> ChoicesForType(int sessionType, std::optional<int> firstSpeedSampleKind) {
    const std::vector<Quantity> basic{Quantity::None, Quantity::Speed, Quantity::Pace};
    switch (sessionType) {
    case kSpeedSession:
        return GraphChoices{basic, 1, 0, 1, 2};
    case kGpsSession:
        return GraphChoices{
            {Quantity::None, Quantity::Speed, Quantity::Pace, Quantity::Altitude, Quantity::Elevation},
            1,
            3,
            1,
            3};
    case kJoinedSession:
        if (firstSpeedSampleKind && *firstSpeedSampleKind != kSpeedSample)
            return GraphChoices{{Quantity::None, Quantity::Speed, Quantity::Pace, Quantity::Altitude,
                                 Quantity::Elevation, Quantity::HeartRate},
                                1,
                                5,
                                1,
                                2};
        return GraphChoices{
            {Quantity::None, Quantity::Speed, Quantity::Pace, Quantity::HeartRate}, 1, 3, 1, 2};
    default:
        return std::nullopt;
    }
}

void FillChoosers(QComboBox &left, QComboBox &right, const GraphChoices &choices, SessionKey key) {
    fill(left, choices.items, key);
    fill(right, choices.items, key);
}

void EmptyChoosers(QComboBox &left, QComboBox &right, SessionKey key) {
    fill(left, {}, key);
    fill(right, {}, key);
}

void SelectChoices(QComboBox &left, QComboBox &right, const GraphChoices &choices,
                   std::optional<int> storedLeft, std::optional<int> storedRight) {
    select(left, storedLeft.value_or(choices.defaultLeft), choices.fallbackLeft);
    select(right, storedRight.value_or(choices.defaultRight), choices.fallbackRight);
}

SessionKey ChoosersActivity(const QComboBox &list) {
    const QVariant key = list.property(kActivityProperty);
    return key.isValid() ? key.value<qint64>() : gCurrentSessionKey;
}

void StoreGraphChoice(const QComboBox &list, const char *column) {
    if (list.currentIndex() < 0)
        return;
    gConn.prepare(std::string("update sessions set ") + column + " = ? where prkey = ?")
        .bindAll(list.currentIndex(), ChoosersActivity(list))
        .execute();
}

SessionGraphQuantity ChosenQuantity(const QComboBox &list) {
    return list.currentIndex() < 0 ? Quantity::None : QuantityOfCode(list.currentData().toInt());
}

void RunDatabaseUpgrade(SessionKey key) {
    auto activity = gConn.prepare("select session_type from sessions where prkey = ?");
    activity.bind(1, key);
    if (!activity.step())
        return;
    const auto type = activity.columnInt64(0);
    if (type != kSpeedSession && type != kGpsSession)
        return;
    if (FirstSampleDataType(key) != kHeartRateSample)
        return;
    // One statement: all of the activity's kind-0 samples change, or none; GPS samples keep theirs.
    gConn.prepare("update sessiondata set data_type = ? where session_prkey = ? and data_type = ?")
        .bindAll(kSpeedSample, key, kHeartRateSample)
        .execute();
}

QString GeneralDateText(const QDateTime &start) {
    const QLocale locale;
    const QString day = locale.toString(start.date(), QLocale::ShortFormat);
    if (start.time() == QTime(0, 0))
        return day;
    return day + ' ' + ActivityListText::timeText(start.time());
}

} // namespace sessionview
