#include "charts/AxisRoom.h"

#include <QFont>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

// The room a line needs beside the plot: its text and the chart's margin around it.
double roomFor(const QString &line, const QFont &font) {
    return QFontMetricsF(font).horizontalAdvance(line) + 8;
}

QFont titleFont() {
    QFont font;
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

TEST(AxisRoomTest, ATitleTakesOneLineTwoLinesOrASmallerFontAsTheRoomShrinks) {
    const QFont font = titleFont();
    const struct {
        const char *title;
        double room;
        const char *text;
        double points;
    } cases[] = {
        {"Resting Heart Rate", roomFor("Resting Heart Rate", font), "Resting Heart Rate", 9},
        {"Resting Heart Rate", roomFor("Heart Rate", font), "Resting<br>Heart Rate", 9},
        // A title fitted to a short plot gets its one line back on a tall one.
        {"Resting<br>Heart Rate", 1000, "Resting Heart Rate", 9},
        // No room at all: the smallest font, and the chart cuts what still does not fit.
        {"Geschwindigkeit (km/h)", 10, "Geschwindigkeit<br>(km/h)", 6},
        {"Herzfrequenz", 10, "Herzfrequenz", 6},
    };
    for (const auto &c : cases) {
        const charts::FittedTitle fitted = charts::fittedTitle(c.title, font, c.room);
        EXPECT_EQ(fitted.text, c.text) << c.title << " in " << c.room;
        EXPECT_EQ(fitted.font.pointSizeF(), c.points) << c.title << " in " << c.room;
        EXPECT_TRUE(fitted.font.bold());
    }
}

TEST(AxisRoomTest, AWordLongerThanThePlotIsWrittenInTheLargestFontThatFitsIt) {
    const QFont font = titleFont();
    const double room = roomFor("Geschwindigkeit", font) * 0.8;
    const charts::FittedTitle fitted = charts::fittedTitle("Geschwindigkeit (km/h)", font, room);
    EXPECT_EQ(fitted.text, "Geschwindigkeit<br>(km/h)");
    EXPECT_LE(roomFor("Geschwindigkeit", fitted.font), room);
    QFont larger = fitted.font;
    larger.setPointSizeF(fitted.font.pointSizeF() + 0.5);
    EXPECT_GT(roomFor("Geschwindigkeit", larger), room);
}

TEST(AxisRoomTest, LabelsNarrowerThanAnEllipsisGetBlanksBesideThem) {
    QFont font;
    font.setPointSizeF(9);
    const QFontMetricsF metrics(font);
    const double ellipsis = metrics.horizontalAdvance("...");
    for (const QString label : {"0", "5", "-1", "0.5", "10", "150", "1000"}) {
        const int blanks = charts::blanksBesideNarrowLabels(font, label);
        const double padded = metrics.horizontalAdvance(label + QString(blanks, QChar(QChar::Nbsp)));
        EXPECT_GE(padded, ellipsis + 2) << label.toStdString();
        if (metrics.horizontalAdvance(label) >= ellipsis + 3) {
            EXPECT_EQ(blanks, 0) << label.toStdString();
        }
    }
}

} // namespace
