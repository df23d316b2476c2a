#include "exchange/DataFileImport.h"

#include "core/ActivityListText.h"
#include "core/Globals.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileReader.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/BatchInsert.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QLocale>

namespace exchange {
namespace {

using platform::dialogs::Icon;

int existingSport(double sport) {
    auto row = gConn.prepare("select count(*) from sports where prkey = ?");
    row.bind(1, sport);
    row.step();
    return row.columnInt64(0) > 0 ? static_cast<int>(sport) : 1;
}

void storeSamples(SessionKey key, const std::vector<DataFile::Sample> &samples) {
    platform::db::BatchInsert insert(gConn, "sessiondata",
                                     {"session_prkey", "cum_duration", "data_type", "Hr", "Speed",
                                      "cum_distance", "Long", "Lat", "Altitude", "ACQStatus", "TrueHeading",
                                      "MagHeading"});
    for (const DataFile::Sample &sample : samples)
        insert.add(key, sample.duration, sample.type, sample.hr, sample.speed, sample.distance,
                   sample.longitude, sample.latitude, sample.altitude, sample.acqStatus, sample.trueHeading,
                   sample.magHeading);
    insert.flush();
}

DataFileReader::Context readingContext() {
    const QDateTime now = QDateTime::currentDateTime();
    return {.primarySport = gPrimarySport,
            .primaryUnit = gPrimaryUnit,
            .decimalSeparator = modHelpers::GetDecimalSeparator(),
            .now = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()))};
}

// The start as the system writes a date with its time; midnight as the date alone.
QString generalDateText(const QDateTime &start) {
    const QString day = QLocale().toString(start.date(), QLocale::ShortFormat);
    return start.time() == QTime(0, 0) ? day : day + ' ' + ActivityListText::timeText(start.time());
}

bool isStored(const DataFile::Session &session) {
    auto row = gConn.prepare(
        "select count(*) from sessions where Session_datetime = ? and Duration is ? and Distance is ?");
    row.bindAll(session.start, session.duration, session.distance);
    row.step();
    return row.columnInt64(0) > 0;
}

void show(const QString &text, Icon icon) {
    platform::dialogs::message(text, QStringLiteral("Runvella"), icon);
}

} // namespace

SessionKey StoreImportedActivity(const DataFile::Activity &activity) {
    const DataFile::Session &session = activity.session;
    platform::db::Transaction transaction(gConn);
    gConn
        .prepare(
            "insert into sessions (Session_datetime, session_date, Sport, Distance, distance_unit, "
            "avg_Speed_Units, max_Speed_Units, avg_pace_units, max_pace_units, Duration, Description, "
            "session_type, max_HR, max_speed, avg_HR, avg_speed, fromDataRecorder, time_zone1, time_zone2, "
            "time_zone3, time_zone4, time_zone5) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?)")
        .bindAll(session.start, session.start.date(), existingSport(session.sportId.value_or(0)),
                 session.distance, session.distanceUnit, session.avgSpeedUnits, session.maxSpeedUnits,
                 session.avgPaceUnits, session.maxPaceUnits, session.duration, session.description,
                 session.sessionType, session.maxHr, session.maxSpeed, session.avgHr, session.avgSpeed,
                 session.fromDataRecorder.value_or(false) ? 1 : 0, session.timeInZone[0],
                 session.timeInZone[1], session.timeInZone[2], session.timeInZone[3], session.timeInZone[4])
        .execute();
    const SessionKey key = gConn.lastInsertId();
    storeSamples(key, activity.samples);
    transaction.commit();
    return key;
}

ImportOutcome ImportFile(const QString &path, const ImportOptions &options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportOutcome::Damaged;
    const auto result = DataFileReader::ParseDataFile(file.readAll(), readingContext());
    file.close();
    switch (result.outcome) {
    case DataFileReader::Outcome::NotDataFile:
        show(modLocalisation::LoadResString(1623), Icon::None);
        return ImportOutcome::NotDataFile;
    case DataFileReader::Outcome::Damaged:
        return ImportOutcome::Damaged;
    case DataFileReader::Outcome::Read:
        break;
    }
    if (options.unlessStored && isStored(result.activity.session))
        return ImportOutcome::AlreadyStored;
    StoreImportedActivity(result.activity);
    if (options.stored)
        options.stored();
    const QDateTime start = result.activity.session.start;
    show(modLocalisation::LoadResString(1567) + ' ' + generalDateText(start), Icon::Information);
    mainwindow::MarkActivityDay(start.date(), start.date());
    mainwindow::ListCalendarSelection();
    return ImportOutcome::Imported;
}

} // namespace exchange
