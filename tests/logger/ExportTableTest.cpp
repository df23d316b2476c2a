#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <set>
#include <string>

namespace {

// The library's whole C interface, as the program and other callers know it.
const std::set<std::string> kExports = {
    "ConnectToDevice",
    "ReleaseDevice",
    "GetLastDeviceError",
    "SuppressInternalBoxes",
    "EnableInternalBoxes",
    "GetLanguageOffset",
    "GetDeviceData",
    "GetRawData",
    "GetEEPROMData",
    "GetPacketErrorCount",
    "TerminateDeviceComm",
    "ReadData",
    "WriteData",
    "GetRGStatus",
    "SetRGStatus",
    "ClearRGStatus",
    "IsLowBattery",
    "SetCompression",
    "ClearCompression",
    "IsCompressed",
    "GetDeviceVersion",
    "GetDeviceDataSize",
    "ClearDeviceMemory",
    "SyncDeviceTime",
    "SetDeviceTime",
    "TestDeviceROM",
    "TestDeviceRAM",
    "TestDeviceEEPROM",
    "ReadDeviceBondOption",
    "ChangeDeviceBondOption",
    "ResetDeviceBondOption",
};

} // namespace

TEST(ExportTable, LibraryResolvesEveryExport) {
    ASSERT_EQ(kExports.size(), 31u);
    void *library = dlopen(LIBLOGGER_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const std::string &name : kExports)
        EXPECT_NE(dlsym(library, name.c_str()), nullptr) << name;
    dlclose(library);
}

TEST(ExportTable, LibraryDefinesNothingElse) {
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", LIBLOGGER_PATH});
    ASSERT_TRUE(nm.waitForFinished()) << "nm is part of binutils";
    ASSERT_EQ(nm.exitCode(), 0);
    std::set<std::string> defined;
    for (const QString &line :
         QString::fromLocal8Bit(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        defined.insert(line.split(' ', Qt::SkipEmptyParts).last().toStdString());
    EXPECT_EQ(defined, kExports);
}
