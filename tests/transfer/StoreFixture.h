#pragma once

#include "ResultBufferBuilder.h"

#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"

// A fresh database with the preferences the stores read set to plain values, and a way to
// make the database refuse a sample row part-way through a session.
class StoreFixture : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gPrimaryUnit = "mi";
        gPrimarySport = 1;
        gFilterSpikes = 0;
        gLanguageOffset = 0;
    }

    void refuseSamplesFrom(double seconds) {
        gConn.executeScript("create trigger refuse before insert on sessiondata when new.cum_duration >= " +
                            QString::number(seconds).toStdString() +
                            " begin select raise(abort, 'disk full'); end");
    }

    double value(const char *sql, SessionKey key) {
        auto query = gConn.prepare(sql);
        query.bind(1, key);
        EXPECT_TRUE(query.step()) << sql;
        return query.columnDouble(0);
    }

    bool isNull(const char *sql, SessionKey key) {
        auto query = gConn.prepare(sql);
        query.bind(1, key);
        EXPECT_TRUE(query.step()) << sql;
        return query.isNull(0);
    }

    testing::ScriptedDialogs dialogs;
    SessionKey key = 0;
    std::int16_t sessionType = -1;
};
