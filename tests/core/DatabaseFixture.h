#pragma once

#include "common/TestHome.h"
#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh installation with gConn open on its initial database.
class DatabaseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
    }
    void TearDown() override { gConn.close(); }

    std::int64_t scalar(const std::string &sql) {
        auto query = gConn.prepare(sql);
        EXPECT_TRUE(query.step()) << sql;
        return query.columnInt64(0);
    }
    // The first row's columns as numbers.
    std::vector<double> numbers(const std::string &sql) {
        auto query = gConn.prepare(sql);
        EXPECT_TRUE(query.step()) << sql;
        std::vector<double> values;
        for (int column = 0; column < query.columnCount(); ++column)
            values.push_back(query.columnDouble(column));
        return values;
    }

    testing::TestHome home;
};
