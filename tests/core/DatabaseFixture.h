#pragma once

#include "common/TestHome.h"
#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

// A fresh installation with gConn open on its initial database.
class DatabaseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
    }
    void TearDown() override { gConn.close(); }

    std::int64_t scalar(const char *sql) {
        auto query = gConn.prepare(sql);
        EXPECT_TRUE(query.step()) << sql;
        return query.columnInt64(0);
    }

    testing::TestHome home;
};
