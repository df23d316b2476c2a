#pragma once

#include "core/Globals.h"
#include "transfer/ActivityFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QScopedValueRollback>

#include <cmath>

// A fresh database with helpers that store recorded activities, and the preferences and
// current activity that the analysis windows read, put back after each test.
class AnalysisFixture : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gPrimaryUnit = "mi";
        gUseSmoothing = false;
        QApplication::clipboard()->setText("before");
    }

    // One GPS sample; a fix status other than 2 or 3 marks a position the recorder had not fixed.
    static testing::SampleRow gpsRow(double seconds, double miles, double feet, double latitude,
                                     double longitude, int fixStatus = 3) {
        return {.time = seconds,
                .type = 2,
                .speed = 6,
                .distance = miles,
                .altitude = feet,
                .latitude = latitude,
                .longitude = longitude,
                .acqStatus = fixStatus};
    }

    // A track heading north-east from 45 N 73 W, one sample a minute, each `step` miles on.
    void addTrack(SessionKey key, int count, double step) {
        std::vector<testing::SampleRow> rows;
        for (int i = 0; i < count; ++i) {
            const double miles = step * (i + 1);
            rows.push_back(
                gpsRow(60.0 * i, miles, 100 + 5 * i, 45 + miles / 69.1 * 0.6, -73 + miles / 69.1 * 0.8));
        }
        testing::storeSamples(gConn, key, rows);
    }

    // A recorded GPS activity of `count` samples 0.1 mile apart, heart rate too for type 20.
    SessionKey addGpsActivity(int type, int count = 25) {
        const SessionKey key = addActivity(type, 60.0 * count, 0.1 * count);
        addTrack(key, count, 0.1);
        if (type == 20)
            addHeartRate(key, 30 * count);
        return key;
    }

    // A recorded speed activity without positions.
    SessionKey addSpeedActivity(int type, int count = 25) {
        const SessionKey key = addActivity(type, 3.57 * count, 0.1 * count);
        addSpeed(key, count, 1, 6, 0.1);
        if (type == 20)
            addHeartRate(key, 2 * count);
        return key;
    }

    QString clipboardText() const { return QApplication::clipboard()->text(); }

    QScopedValueRollback<SessionKey> currentKey{gCurrentSessionKey};
    QScopedValueRollback<QString> unit{gPrimaryUnit};
    QScopedValueRollback<bool> smoothing{gUseSmoothing};
    QScopedValueRollback<QStringList> graphTable{gGraphTable};
};
