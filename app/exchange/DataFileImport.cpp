#include "exchange/DataFileImport.h"

#include "core/ActivityListText.h"
#include "core/Globals.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileDamage.h"
#include "exchange/DataFileReader.h"
#include "exchange/frmImportProgress.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/BatchInsert.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/FileState.h"
#include "platform/LocalMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <memory>
#include <optional>

namespace exchange {
namespace {

using platform::dialogs::Icon;

int existingSport(double sport) {
    auto row = gConn.prepare("select count(*) from sports where prkey = ?");
    row.bind(1, sport);
    row.step();
    return row.columnInt64(0) > 0 ? static_cast<int>(sport) : 1;
}

DataFileReader::Context readingContext(const ImportOptions &options) {
    const QDateTime now =
        options.startWhenNone.isValid() ? options.startWhenNone : QDateTime::currentDateTime();
    return {.primarySport = gPrimarySport,
            .primaryUnit = gPrimaryUnit,
            .decimalSeparator = modHelpers::GetDecimalSeparator(),
            .now = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()))};
}

// The rows of the samples go out in batches; the columns in the order add() takes them.
platform::db::BatchInsert sampleInsert() {
    return platform::db::BatchInsert(gConn, "sessiondata",
                                     {"session_prkey", "cum_duration", "data_type", "Hr", "Speed",
                                      "cum_distance", "Long", "Lat", "Altitude", "ACQStatus", "TrueHeading",
                                      "MagHeading"});
}

void addSample(platform::db::BatchInsert &insert, SessionKey key, const DataFile::Sample &sample) {
    insert.add(key, sample.duration, sample.type, sample.hr, sample.speed, sample.distance, sample.longitude,
               sample.latitude, sample.altitude, sample.acqStatus, sample.trueHeading, sample.magHeading);
}

SessionKey storeSession(const DataFile::Session &session) {
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
    return gConn.lastInsertId();
}

// Shows the athlete that a large import goes on: the busy pointer from the start, the progress
// window once the import has taken a while, and the windows repainted now and then, after pieces
// of the file as after samples, so that a file of one endless line is no exception.
class ImportProgress {
public:
    explicit ImportProgress(qint64 fileBytes) : fileBytes_(fileBytes) { clock_.start(); }

    void pieceRead(qint64 bytesRead) {
        bytesRead_ = bytesRead;
        look();
    }

    void sampleRead() {
        if (++samples_ % kSamplesPerLook == 0)
            look();
    }

private:
    void look() {
        if (clock_.elapsed() < nextTurn_)
            return;
        nextTurn_ = clock_.elapsed() + kTurnMs;
        if (!window_ && clock_.elapsed() >= kWindowAfterMs) {
            window_ = std::make_unique<frmImportProgress>(QApplication::activeWindow());
            window_->show();
        }
        if (window_ && fileBytes_ > 0)
            window_->ShowPercent(static_cast<int>(std::min<qint64>(bytesRead_ * 100 / fileBytes_, 100)));
        // Nothing may reach the database while the import's transaction is open: neither the
        // athlete's input nor, held back, a message from another process.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    static constexpr int kSamplesPerLook = 1024;
    static constexpr qint64 kTurnMs = 50;
    static constexpr qint64 kWindowAfterMs = 500;

    const qint64 fileBytes_;
    const platform::cursor::BusyCursor busy_;
    const platform::localmessage::HeldBack othersWait_;
    QElapsedTimer clock_;
    qint64 nextTurn_ = 0;
    qint64 bytesRead_ = 0;
    std::int64_t samples_ = 0;
    std::unique_ptr<frmImportProgress> window_;
};

// Starts compare as moments: one stored where the clock did not skip its time reads as this one.
bool isStored(const DataFile::Session &session) {
    auto rows = gConn.prepare("select Session_datetime from sessions where Session_datetime >= ? and "
                              "Session_datetime < ? and Duration is ? and Distance is ?");
    rows.bindAll(session.start.date(), session.start.date().addDays(1), session.duration, session.distance);
    while (rows.step())
        if (platform::db::parseIsoDateTime(rows.columnText(0)) == session.start)
            return true;
    return false;
}

// Stores the activity as the file is read: the session when its section has been read, then each
// sample, all in one transaction that only a fully read file commits, and only when it is still
// as it was when it was opened, under its name, and nobody holds it open for writing: a file that
// grew or changed meanwhile is still being written, and one moved over its name is another file.
// Nothing is stored when the options ask for a file whose activity is stored already.
struct ReadAndStored {
    DataFileReader::Result result;
    bool alreadyStored = false;
    bool changed = false;
    bool heldForWriting = false;
};

ReadAndStored readAndStore(QFile &file, const platform::files::FileState &opened,
                           const ImportOptions &options) {
    ImportProgress progress(file.size());
    platform::db::Transaction transaction(gConn);
    SessionKey key = 0;
    bool alreadyStored = false;
    std::optional<platform::db::BatchInsert> samples;
    DataFileReader::Receiver receiver;
    receiver.session = [&](const DataFile::Session &session) {
        alreadyStored = options.unlessStored && isStored(session);
        if (alreadyStored)
            return;
        key = storeSession(session);
        samples.emplace(sampleInsert());
    };
    receiver.sample = [&](const DataFile::Sample &sample) {
        if (samples)
            addSample(*samples, key, sample);
        progress.sampleRead();
    };
    receiver.pieceRead = [&progress](qint64 bytesRead) { progress.pieceRead(bytesRead); };
    auto result = DataFileReader::ReadDataFile(file, readingContext(options), receiver);
    const bool changed = platform::files::stateOfOpen(file.handle()) != opened ||
                         platform::files::stateOf(file.fileName()) != opened;
    const bool heldForWriting = platform::files::writersOf(file.handle()) == platform::files::Writers::Some;
    if (result.outcome == DataFileReader::Outcome::Read && !alreadyStored && !changed && !heldForWriting) {
        samples->flush();
        if (options.storing)
            options.storing();
        transaction.commit();
    }
    return {std::move(result), alreadyStored, changed, heldForWriting};
}

// The start as the system writes a date with its time; midnight as the date alone.
QString generalDateText(const QDateTime &start) {
    const QString day = QLocale().toString(start.date(), QLocale::ShortFormat);
    return start.time() == QTime(0, 0) ? day : day + ' ' + ActivityListText::timeText(start.time());
}

void show(const QString &text, Icon icon) {
    platform::dialogs::message(text, QStringLiteral("Runvella"), icon);
}

// The message with the file by the name the athlete knows it.
QString aboutFile(int message, const QString &path, const ImportOptions &options) {
    const QString name = options.knownAs.isEmpty() ? path : options.knownAs;
    return modLocalisation::LoadResString(message).replace(QLatin1String("%X"), name);
}

void showUnreadable(const QString &path, const ImportOptions &options, const QString &reason) {
    show(aboutFile(1981, path, options) + "\n\n" + reason, Icon::Critical);
}

ImportOutcome refuseNotRegular(const QString &path, const ImportOptions &options) {
    show(aboutFile(1982, path, options), Icon::Critical);
    return ImportOutcome::NotRegularFile;
}

} // namespace

ImportOutcome ImportFile(const QString &path, const ImportOptions &options) {
    // Looked at before it is opened, since opening a pipe waits for a writer; and again once open,
    // in case the name was given to another file meanwhile.
    if (const auto named = platform::files::stateOf(path); named && !named->regular)
        return refuseNotRegular(path, options);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        showUnreadable(path, options, file.errorString());
        return ImportOutcome::Unreadable;
    }
    const auto opened = platform::files::stateOfOpen(file.handle());
    if (!opened || !opened->regular)
        return refuseNotRegular(path, options);
    const auto [result, alreadyStored, changed, heldForWriting] = readAndStore(file, *opened, options);
    file.close();
    if (changed)
        return ImportOutcome::Changed;
    if (heldForWriting)
        return ImportOutcome::HeldForWriting;
    switch (result.outcome) {
    case DataFileReader::Outcome::NotDataFile:
        show(modLocalisation::LoadResString(1623), Icon::None);
        return ImportOutcome::NotDataFile;
    case DataFileReader::Outcome::Damaged:
        if (options.damaged)
            options.damaged(DamageText(result.damage));
        return ImportOutcome::Damaged;
    case DataFileReader::Outcome::Unreadable:
        showUnreadable(path, options, result.problem);
        return ImportOutcome::Unreadable;
    case DataFileReader::Outcome::Read:
        break;
    }
    if (alreadyStored)
        return ImportOutcome::AlreadyStored;
    if (options.stored)
        options.stored();
    const QDateTime start = result.activity.session.start;
    show(modLocalisation::LoadResString(1567) + ' ' + generalDateText(start), Icon::Information);
    mainwindow::MarkActivityDay(start.date(), start.date());
    mainwindow::ListCalendarSelection();
    return ImportOutcome::Imported;
}

} // namespace exchange
