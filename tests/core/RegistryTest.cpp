#include "common/TestHome.h"
#include "core/modRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace modRegistry;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    long write(const QString &name, const QString &type, const QVariant &value,
               const QString &root = "HKLM") {
        return WriteRegistryValue(root, kProgramKey, name, type, value);
    }

    long read(const QString &name, const QString &type, const QVariant &defaultValue, QVariant &result,
              const QString &root = "HKLM") {
        return ReadRegistryValue(root, kProgramKey, name, type, defaultValue, result);
    }

    testing::TestHome home;
};

TEST_F(RegistryTest, ValuesOfEachTypeComeBackAsWritten) {
    QVariant result;
    ASSERT_EQ(write("Splice", "S", "Yes"), kSuccess);
    EXPECT_EQ(read("Splice", "S", "No", result), kSuccess);
    EXPECT_EQ(result.toString(), "Yes"); // the last character is kept

    ASSERT_EQ(write("LowBatWarnDate", "S", ""), kSuccess);
    EXPECT_EQ(read("LowBatWarnDate", "S", "x", result), kSuccess);
    EXPECT_EQ(result.toString(), "");

    ASSERT_EQ(write("RGCount", "D", 7), kSuccess);
    EXPECT_EQ(read("RGCount", "D", 0, result), kSuccess);
    EXPECT_EQ(result.toInt(), 7);

    ASSERT_EQ(write("Flag", "b", true), kSuccess);
    EXPECT_EQ(read("Flag", "B", false, result), kSuccess);
    EXPECT_TRUE(result.toBool());
}

TEST_F(RegistryTest, WindowSizesBeyondSixteenBitsAreStored) {
    QVariant result;
    ASSERT_EQ(write("Width", "D", 40000), kSuccess);
    EXPECT_EQ(read("Width", "D", 0, result), kSuccess);
    EXPECT_EQ(result.toInt(), 40000);
    ASSERT_EQ(write("Height", "D", -70000), kSuccess);
    EXPECT_EQ(read("Height", "D", 0, result), kSuccess);
    EXPECT_EQ(result.toInt(), -70000);
}

TEST_F(RegistryTest, AValueThatCannotBeStoredIsNeverReportedAsStored) {
    QVariant result;
    EXPECT_NE(write("Width", "D", qlonglong(1) << 33), kSuccess);
    EXPECT_NE(write("Width", "D", "wide"), kSuccess);
    EXPECT_NE(write("Width", "Q", 5), kSuccess);
    EXPECT_EQ(read("Width", "D", 12, result), kNotFound);
    EXPECT_EQ(result.toInt(), 12);
}

TEST_F(RegistryTest, MissingValueReturnsNotFoundAndTheDefault) {
    QVariant result = "stale";
    EXPECT_EQ(read("ShowPrefs", "S", "No", result), kNotFound);
    EXPECT_EQ(result.toString(), "No");

    ASSERT_EQ(write("Other", "S", "x"), kSuccess); // the key exists now, the value still does not
    EXPECT_EQ(read("ShowPrefs", "S", "No", result), kNotFound);
    EXPECT_EQ(result.toString(), "No");
}

TEST_F(RegistryTest, RootNamesIgnoreCaseAndUnknownRootsAreInvalid) {
    QVariant result;
    ASSERT_EQ(write("Selected", "D", 4, "hklm"), kSuccess);
    EXPECT_EQ(read("Selected", "D", 0, result, "HkLm"), kSuccess);
    EXPECT_EQ(result.toInt(), 4);
    EXPECT_EQ(read("SELECTED", "D", 0, result), kSuccess); // value names ignore case too

    EXPECT_EQ(read("Selected", "D", 9, result, "HKEY_LOCAL_MACHINE"), kInvalidRoot);
    EXPECT_EQ(result.toInt(), 9);
    EXPECT_EQ(write("Selected", "D", 1, "HKEY_LOCAL_MACHINE"), kInvalidRoot);
    EXPECT_EQ(ResolveRootKey("HKEY_LOCAL_MACHINE").kind, RootKind::Invalid);
    EXPECT_EQ(ResolveRootKey("hkcu").kind, RootKind::Registry);
}

TEST_F(RegistryTest, RootsAreKeptApart) {
    QVariant result;
    ASSERT_EQ(write("Selected", "D", 4, "HKCU"), kSuccess);
    EXPECT_EQ(read("Selected", "D", 0, result, "HKLM"), kNotFound);
}

TEST_F(RegistryTest, StoredTextThatIsNotANumberIsNotReadAsOne) {
    QVariant result;
    ASSERT_EQ(write("language", "S", "French"), kSuccess);
    EXPECT_EQ(read("language", "D", 0, result), kInvalidData);
    EXPECT_EQ(result.toInt(), 0);
}

TEST_F(RegistryTest, IniFileRootReadsAndWritesItsSections) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    EXPECT_EQ(ResolveRootKey(ini).kind, RootKind::Invalid); // the file must exist first
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QVariant result;
    EXPECT_EQ(ReadRegistryValue(ini, "Section", "Missing", "S", "fallback", result), kSuccess);
    EXPECT_EQ(result.toString(), "fallback");
    EXPECT_EQ(WriteRegistryValue(ini, "Section", "Name", "S", QString(300, 'a')), kSuccess);
    EXPECT_EQ(ReadRegistryValue(ini, "Section", "Name", "S", "", result), kSuccess);
    EXPECT_EQ(result.toString(), QString(254, 'a'));

    EXPECT_EQ(WriteRegistryValue(ini, "Section", "Count", "D", 5), kInvalidRoot);
    ASSERT_EQ(WriteRegistryValue(ini, "Section", "Count", "S", "42"), kSuccess);
    EXPECT_EQ(ReadRegistryValue(ini, "Section", "Count", "D", 0, result), kSuccess);
    EXPECT_EQ(result.toInt(), 42);
    EXPECT_EQ(ReadRegistryValue(ini, "Section", "Name", "D", 7, result), kSuccess);
    EXPECT_EQ(result.toInt(), 0);
}

} // namespace
