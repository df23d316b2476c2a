#include "platform/FailureCauses.h"
#include "common/ScriptedDialogs.h"
#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "platform/Database.h"
#include "platform/ReportedFailures.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

// A database failure that stops a command reads as a sentence of the chosen language, with the
// engine's text below it and no number glued to either.
TEST(FailureCausesTest, AReportedDatabaseFailureSpeaksTheChosenLanguage) {
    const struct {
        int offset;
        int code;
        const char *detail;
        int sentence;
    } cases[] = {
        {0, SQLITE_BUSY, "database is locked", 1940},
        {1000, SQLITE_FULL, "database or disk is full", 2941},
        {3000, SQLITE_NOTADB, "file is not a database", 4943},
    };
    for (const auto &c : cases) {
        gLanguageOffset = c.offset;
        modLocalisation::LocalizeFailureCauses();
        testing::ScriptedDialogs dialogs;
        platform::failures::runReported([&] { throw platform::db::DbError(c.code, c.detail); });
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text,
                  *modLocalisation::FindString(c.sentence) + "\n\n" + QString::fromUtf8(c.detail));
    }
    gLanguageOffset = 0;
    platform::failures::setCauseTexts({});
}

} // namespace
