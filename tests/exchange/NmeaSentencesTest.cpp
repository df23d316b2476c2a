#include "exchange/NmeaSentences.h"

#include <gtest/gtest.h>

namespace {

using namespace Nmea;

const QDateTime kStart(QDate(2026, 3, 9), QTime(14, 0), Qt::UTC);

GpsFix fix(double latitude, double longitude, int acqStatus = 3) {
    return {.duration = 3.57,
            .speed = 6,
            .altitude = 1000,
            .latitude = latitude,
            .longitude = longitude,
            .trueHeading = 90,
            .magHeading = 80,
            .acqStatus = acqStatus};
}

TEST(NmeaSentences, OneSampleGivesItsThreeSentences) {
    EXPECT_EQ(NmeaSentences(kStart, {fix(51.5, -0.1275)}),
              QStringList({"$GPGGA,140004.00,5130.0000,N,00007.6500,W,1,,,304.88,M,,M,,*7B",
                           "$GPGSA,A,3,,,,,,,,,,,,,,,*1C",
                           "$GPRMC,140004.00,A,5130.0000,N,00007.6500,W,5.21,90,090326,10,E*78"}));
    EXPECT_EQ(NmeaFileBytes(kStart, {fix(51.5, -0.1275)}).count("\r\n"), 3);
    EXPECT_TRUE(NmeaFileBytes(kStart, {}).isEmpty());
}

TEST(NmeaSentences, PositionZeroAndAMidnightCrossing) {
    const QDateTime lateStart(QDate(2026, 12, 31), QTime(23, 59, 58), Qt::UTC);
    GpsFix zero{.duration = 3.5, .acqStatus = 0}; // rounds to 4 s: into the new year
    EXPECT_EQ(NmeaSentences(lateStart, {zero}),
              QStringList({"$GPGGA,000002.00,0000.0000,S,00000.0000,W,0,,,.,M,,M,,*50",
                           "$GPGSA,A,1,,,,,,,,,,,,,,,*1E",
                           "$GPRMC,000002.00,V,0000.0000,S,00000.0000,W,0,0,010127,0,E*59"}));
}

TEST(NmeaSentences, UnknownPositionGivesEmptyFields) {
    const QDateTime lateStart(QDate(2026, 12, 31), QTime(23, 59, 58), Qt::UTC);
    const GpsFix unknown{.duration = 0.5, // rounds to the even 0
                         .speed = 10,
                         .altitude = 328,
                         .latitude = 500,
                         .longitude = 500,
                         .trueHeading = 358,
                         .magHeading = 2,
                         .acqStatus = 2};
    const QStringList sentences = NmeaSentences(lateStart, {unknown});
    EXPECT_EQ(sentences[0], "$GPGGA,235958.00,,N,,E,1,,,100.,M,,M,,*5D");
    EXPECT_EQ(sentences[1], "$GPGSA,A,2,,,,,,,,,,,,,,,*1D");
    EXPECT_EQ(sentences[2], "$GPRMC,235958.00,A,,N,,E,8.69,358,311226,4,W*42");
}

TEST(NmeaSentences, FixStates) {
    const struct {
        int acqStatus;
        const char *quality;
        const char *status;
        const char *mode;
    } cases[] = {
        {0, "0", "V", "1"}, {1, "0", "V", "1"}, {2, "1", "A", "2"}, {3, "1", "A", "3"}, {-1, "1", "A", "1"}};
    for (const auto &c : cases) {
        const QStringList sentences = NmeaSentences(kStart, {fix(51.5, -0.1275, c.acqStatus)});
        EXPECT_EQ(sentences[0].section(',', 6, 6), c.quality) << c.acqStatus;
        EXPECT_EQ(sentences[1].section(',', 2, 2), c.mode) << c.acqStatus;
        EXPECT_EQ(sentences[2].section(',', 2, 2), c.status) << c.acqStatus;
    }
}

TEST(NmeaSentences, GsaComesFirstAndWhenTheFixStateChanges) {
    std::vector<GpsFix> fixes;
    for (const int state : {3, 3, 2, 2, 3})
        fixes.push_back(fix(45.5, -73.5, state));
    QStringList kinds;
    for (const QString &sentence : NmeaSentences(kStart, fixes))
        kinds << sentence.left(6);
    EXPECT_EQ(kinds.join(' '), "$GPGGA $GPGSA $GPRMC $GPGGA $GPRMC $GPGGA $GPGSA $GPRMC $GPGGA $GPRMC "
                               "$GPGGA $GPGSA $GPRMC");
}

TEST(NmeaSentences, GsaHasTwelveSatellitesAndThreeDilutions) {
    const QString gsa = WriteGpgsa(fix(45.5, -73.5));
    EXPECT_EQ(gsa.section('*', 0, 0).split(',').size(), 1 + 2 + 12 + 3);
}

TEST(NmeaSentences, LatitudesAndLongitudes) {
    const struct {
        double degrees;
        const char *latitude;
        const char *longitude;
        const char *ns;
        const char *ew;
    } cases[] = {
        {51.5, "5130.0000", "05130.0000", "N", "E"},      {-0.1275, "0007.6500", "00007.6500", "S", "W"},
        {1.3, "0118.0000", "00118.0000", "N", "E"},       {0, "0000.0000", "00000.0000", "S", "W"},
        {-73.50004, "7330.0000", "07330.0000", "S", "W"}, {179.99999, "18000.0000", "18000.0000", "N", "E"},
        {0.0075, "0000.4500", "00000.4500", "N", "E"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FormatNmeaLatitude(c.degrees), c.latitude) << c.degrees;
        EXPECT_EQ(FormatNmeaLongitude(c.degrees), c.longitude) << c.degrees;
        EXPECT_EQ(HemisphereNS(c.degrees), c.ns) << c.degrees;
        EXPECT_EQ(HemisphereEW(c.degrees), c.ew) << c.degrees;
    }
}

TEST(NmeaSentences, AltitudeInMetresLikeHashPointHashHash) {
    const struct {
        double feet;
        const char *metres;
    } cases[] = {{1000, "304.88"}, {328, "100."}, {3, ".91"}, {0, "."}, {405.08, "123.5"}, {-3, "-.91"}};
    for (const auto &c : cases)
        EXPECT_EQ(FormatNmeaAltitude(c.feet), c.metres) << c.feet;
}

TEST(NmeaSentences, MagneticVariationStaysWithinHalfACircle) {
    const struct {
        double trueHeading;
        double magHeading;
        const char *fields;
    } cases[] = {{10, 12, "2,W"}, {12, 10, "2,E"}, {358, 2, "4,W"},
                 {2, 358, "4,E"}, {90, 90, "0,E"}, {0, 180, "180,E"}};
    for (const auto &c : cases)
        EXPECT_EQ(FormatMagneticVariation(c.trueHeading, c.magHeading), c.fields)
            << c.trueHeading << " " << c.magHeading;
}

TEST(NmeaSentences, ChecksumIsTwoUpperCaseHexDigits) {
    EXPECT_EQ(NmeaChecksum("$ak*"), "0A");
    EXPECT_EQ(NmeaChecksum("$ak"), "0A") << "with or without the star";
    EXPECT_EQ(NmeaChecksum("$A*"), "41");
}

} // namespace
