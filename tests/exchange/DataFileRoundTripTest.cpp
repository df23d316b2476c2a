#include "ExchangeFixture.h"
#include "common/OtherThread.h"
#include "core/HeartRateZones.h"
#include "core/LocaleScope.h"
#include "exchange/DataFileExport.h"
#include "exchange/DataFileImport.h"
#include "exchange/DataFileReader.h"
#include "exchange/DataFileWriter.h"
#include "exchange/ExchangeFiles.h"
#include "platform/LocalMessage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace exchangetest;
using exchange::ImportOutcome;

class DataFileRoundTrip : public ExchangeFixture {
protected:
    QString path(const char *name) const { return QDir(home.path()).filePath(name); }

    // Exports the activity, imports the file and returns the new activity's key.
    SessionKey roundTrip(SessionKey key) {
        const QString file = path("trip.csv");
        exchange::ExportDataFile(key, file);
        EXPECT_EQ(exchange::ImportFile(file), ImportOutcome::Imported);
        return latestActivity();
    }

    SessionKey latestActivity() {
        auto query = gConn.prepare("select max(prkey) from sessions");
        query.step();
        return query.columnInt64(0);
    }

    void expectSameActivity(SessionKey original, SessionKey copy) {
        EXPECT_EQ(activityRow(copy), activityRow(original));
        EXPECT_EQ(sampleRows(copy), sampleRows(original));
    }
};

// The longest activity that can be entered by hand, without a distance.
DataFile::Activity longestEntered() {
    DataFile::Activity activity = handEntered();
    activity.session.duration = 2147483647;
    activity.session.distance = 0;
    return activity;
}

TEST_F(DataFileRoundTrip, ExportThenImportGivesTheSameActivityAndSamples) {
    for (const auto &activity : {heartRateOnly(), joinedGps(), handEntered(), longestEntered()}) {
        const SessionKey original = store(activity);
        const SessionKey copy = roundTrip(original);
        ASSERT_NE(copy, original);
        expectSameActivity(original, copy);
    }
}

// The figures at the edges of what the recorder gives and the entry window takes come back as
// they were stored, and so do zone times that a recompute counted from every heart-rate sample.
TEST_F(DataFileRoundTrip, TheLargestFiguresTheProgramStoresComeBack) {
    DataFile::Activity recorded = joinedGps();
    recorded.session.duration = 2; // from the first heart-rate sample to the last
    recorded.session.maxHr = 255;
    DataFile::Sample &low = recorded.samples[2];
    low.longitude = -180;
    low.latitude = -90;
    low.altitude = -2000;
    low.acqStatus = 0;
    low.trueHeading = 0;
    low.magHeading = 0;
    DataFile::Sample &high = recorded.samples[3];
    high.longitude = 179.999978542327881; // the largest the recorder's 24 bits hold
    high.latitude = 90;
    high.altitude = 30767;
    high.acqStatus = 3;
    high.trueHeading = 510;
    high.magHeading = 510;
    const SessionKey original = store(recorded);
    ComputeTimeInZones(gConn, original);
    ASSERT_EQ(numbers("select time_zone2 from sessions where prkey = " + std::to_string(original))[0], 4)
        << "two samples of zone 2, two seconds each";
    expectSameActivity(original, roundTrip(original));

    DataFile::Activity entered = longestEntered();
    entered.session.distance = 99999;
    entered.session.maxSpeed = entered.session.avgSpeed = 99999;
    entered.session.maxHr = entered.session.avgHr = 300;
    entered.session.timeInZone = {300 * 3600 + 59 * 60, 0, 0, 0, 0};
    const SessionKey typed = store(entered);
    expectSameActivity(typed, roundTrip(typed));
}

TEST_F(DataFileRoundTrip, ACommaDecimalLocaleWritesAndReadsTheSameNumbers) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    DataFile::Activity activity = joinedGps();
    activity.samples[2].speed = 8.25;
    const SessionKey original = store(activity);

    exchange::ExportDataFile(original, path("komma.csv"));
    const QString text = QString::fromLatin1(contents(path("komma.csv")));
    EXPECT_TRUE(text.contains("\r\ndistance=12.5\r\n"));
    EXPECT_TRUE(text.contains(R"("0","0","8.2","0.006","2","-73.5","45.5")"));
    EXPECT_TRUE(text.contains("\r\nversion=1.2_dd/mm/yyyy\r\n"));
    EXPECT_TRUE(text.contains("\r\nSessiondate=3/9/2026 08:00:00\r\n"));

    activity.samples[2].speed = 8.2; // as the file rounds it
    const SessionKey expected = store(activity);
    expectSameActivity(expected, roundTrip(original));
}

TEST_F(DataFileRoundTrip, DescriptionsKeepTheirTextAndLineBreaksComeBackAsCrLf) {
    DataFile::Activity activity = handEntered();
    activity.session.description = QString::fromUtf8("Café = 5 €, ^^ then\nnext\r\nlast ünd Łódź");
    const SessionKey copy = roundTrip(store(activity));
    EXPECT_EQ(activityRow(copy)["Description"].toString(),
              QString::fromUtf8("Café = 5 €, \r\n then\r\nnext\r\nlast ünd Łódź"));
}

TEST_F(DataFileRoundTrip, ADeletedSportIsWrittenAsGeneral) {
    DataFile::Activity activity = handEntered();
    activity.session.sportId = 12;
    const QString text = QString::fromLatin1(exchange::DataFileText(store(activity)));
    EXPECT_TRUE(text.contains("\r\nsportName=General\r\nsportID=1\r\n"));

    gConn.prepare("insert into sports (prkey, Description) values (12, 'Curling')").execute();
    EXPECT_TRUE(QString::fromLatin1(exchange::DataFileText(store(activity)))
                    .contains("\r\nsportName=Curling\r\nsportID=12\r\n"));
}

TEST_F(DataFileRoundTrip, AnUnknownSportImportsIntoSportOne) {
    DataFile::Activity activity = handEntered();
    activity.session.sportId = 12;
    write(path("curling.csv"), DataFileWriter::DataFileBytes(activity, {}));
    ASSERT_EQ(exchange::ImportFile(path("curling.csv")), ImportOutcome::Imported);
    EXPECT_EQ(activityRow(latestActivity())["Sport"], "1");
    gConn.prepare("insert into sports (prkey, Description) values (12, 'Curling')").execute();
    ASSERT_EQ(exchange::ImportFile(path("curling.csv")), ImportOutcome::Imported);
    EXPECT_EQ(activityRow(latestActivity())["Sport"], "12");
}

TEST_F(DataFileRoundTrip, AFailingSampleStoresNothingOfTheActivity) {
    write(path("full.csv"), DataFileWriter::DataFileBytes(heartRateOnly(), {}));
    gConn.executeScript("create trigger refuse before insert on sessiondata when new.cum_duration >= 4 begin "
                        "select raise(abort, 'disk full'); end");
    EXPECT_THROW(exchange::ImportFile(path("full.csv")), platform::db::DbError);
    EXPECT_EQ(count("sessions"), 0);
    EXPECT_EQ(count("sessiondata"), 0);
}

// A recorded activity whose file takes several of the reader's pieces.
DataFile::Activity longActivity() {
    DataFile::Activity activity = joinedGps();
    activity.session.description = QString::fromUtf8("Long run, Łódź €");
    activity.samples.clear();
    for (int i = 0; i < 1500; ++i)
        activity.samples.push_back(heartRate(i * 2, 120 + i % 60));
    for (int i = 0; i < 1500; ++i)
        activity.samples.push_back(
            gps(i * 3.57, 6 + i % 7 * 0.1, i * 0.006, 45.5 + i * 1e-5, -73.5 - i * 1e-5));
    return activity;
}

TEST_F(DataFileRoundTrip, AFileOfManyPiecesImportsAsTheSameFileReadWhole) {
    const QByteArray bytes = DataFileWriter::DataFileBytes(longActivity(), {});
    ASSERT_GT(bytes.size(), 2 * DataFileReader::kReadPieceBytes);
    write(path("long.csv"), bytes);
    const auto whole = DataFileReader::ParseDataFile(
        bytes, {.primarySport = 1, .primaryUnit = "mi", .decimalSeparator = '.', .now = QDateTime()});
    ASSERT_EQ(whole.outcome, DataFileReader::Outcome::Read);
    const SessionKey expected = store(whole.activity);

    ASSERT_EQ(exchange::ImportFile(path("long.csv")), ImportOutcome::Imported);
    const SessionKey imported = latestActivity();
    ASSERT_NE(imported, expected);
    EXPECT_EQ(activityRow(imported), activityRow(expected));
    EXPECT_EQ(sampleRows(imported), sampleRows(expected));
}

// The import serves the window system while its transaction is open; a second start or a
// plugged-in recorder that speaks up meanwhile is answered once the import is done.
TEST_F(DataFileRoundTrip, MessagesFromOtherProgramsWaitForTheImportsEnd) {
    write(path("large.csv"), DataFileWriter::DataFileBytes(longActivity(), {}));
    bool importing = false;
    QStringList heardDuringImport;
    QStringList heard;
    platform::localmessage::Listener listener([&](const QString &text) {
        heard << text;
        if (importing)
            heardDuringImport << text;
    });
    ASSERT_TRUE(listener.listen("runvella-test"));
    // The message goes out at the import's first turn of the event loop, which then turns a few
    // times more, as a long import does: were the message not held back, it would be heard there.
    bool sentDuringImport = false;
    QTimer::singleShot(0, [&] {
        sentDuringImport =
            importing && testing::fromAnotherThread([] {
                             return platform::localmessage::send("runvella-test", "eggconnected",
                                                                 std::chrono::milliseconds(10000));
                         }) == platform::localmessage::Delivery::Taken;
        for (int turn = 0; turn < 10; ++turn)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });

    importing = true;
    ASSERT_EQ(exchange::ImportFile(path("large.csv")), ImportOutcome::Imported);
    importing = false;
    const QDeadlineTimer giveUp(10000);
    while (heard.isEmpty() && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(sentDuringImport);
    EXPECT_TRUE(heardDuringImport.isEmpty());
    EXPECT_EQ(heard, QStringList{"eggconnected"});
}

TEST_F(DataFileRoundTrip, AFileDamagedInItsLastRowStoresNothing) {
    write(path("damaged.csv"), DataFileWriter::DataFileBytes(longActivity(), {}) + "\"9999\",\"high\"\r\n");
    EXPECT_EQ(exchange::ImportFile(path("damaged.csv")), ImportOutcome::Damaged);
    EXPECT_EQ(count("sessions"), 0);
    EXPECT_EQ(count("sessiondata"), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DataFileRoundTrip, TheSameFileImportedTwiceGivesTwoActivities) {
    exchange::ExportDataFile(store(heartRateOnly()), path("twice.csv"));
    EXPECT_EQ(exchange::ImportFile(path("twice.csv")), ImportOutcome::Imported);
    EXPECT_EQ(exchange::ImportFile(path("twice.csv")), ImportOutcome::Imported);
    EXPECT_EQ(count("sessions"), 3);
    EXPECT_EQ(count("sessiondata"), 9);
}

TEST_F(DataFileRoundTrip, ImportTellsTheStartOfTheActivity) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    exchange::ExportDataFile(store(handEntered()), path("told.csv"));
    ASSERT_EQ(exchange::ImportFile(path("told.csv")), ImportOutcome::Imported);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "File Imported on 8/5/26 7:03:09 AM");
}

TEST_F(DataFileRoundTrip, ExportWithoutAPathWritesIntoTheDataFolderUnderItsNewName) {
    const QString name = exchange::ExportDataFile(store(handEntered()), QString());
    EXPECT_TRUE(QRegularExpression("^[A-Za-z0-9]{20}\\.csv$").match(name).hasMatch()) << name.toStdString();
    EXPECT_TRUE(contents(QDir(exchange::DataFolder()).filePath(name)).startsWith("[Runvella Data File]\r\n"));
}

TEST_F(DataFileRoundTrip, AnExportThatCannotBeWrittenLeavesNoFileAndSaysSo) {
    const SessionKey key = store(handEntered());
    const QString nowhere = path("missing-folder/run.csv");
    EXPECT_THROW(exchange::ExportDataFile(key, nowhere), exchange::ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    EXPECT_THROW(exchange::ExportDataFile(key + 100, path("none.csv")), exchange::ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(path("none.csv"))) << "no empty file for an activity that does not exist";
}

TEST(RandomString, DrawsLettersAndDigitsOfTheLengthAsked) {
    for (const int count : {0, 9, 20, 200}) {
        const QString text = exchange::RandomString(count);
        EXPECT_EQ(text.size(), count);
        EXPECT_TRUE(QRegularExpression("^[A-Za-z0-9]*$").match(text).hasMatch()) << text.toStdString();
    }
    EXPECT_NE(exchange::RandomString(20), exchange::RandomString(20));
}

} // namespace
