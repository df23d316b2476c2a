#include "platform/FileVersion.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeEmpty(const QString &path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FileVersion, VersionComesFromTheVersionedNameALibraryLinksTo) {
    QTemporaryDir dir;
    writeEmpty(dir.filePath("libdevice.so.1.2.30"));
    ASSERT_TRUE(QFile::link("libdevice.so.1.2.30", dir.filePath("libdevice.so")));
    EXPECT_EQ(platform::files::fileVersion(dir.filePath("libdevice.so")), "1.2.30");

    writeEmpty(dir.filePath("libplain.so"));
    writeEmpty(dir.filePath("libodd.so.1.x"));
    for (const char *unversioned : {"libplain.so", "libodd.so.1.x", "missing.so.1.0.0"})
        EXPECT_EQ(platform::files::fileVersion(dir.filePath(unversioned)), std::nullopt) << unversioned;
}

} // namespace
