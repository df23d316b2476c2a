#pragma once

#include "FakeDeviceLibrary.h"
#include "ModalResponder.h"
#include "ResultBufferBuilder.h"

#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/modRegistry.h"

#include <vector>

// A fresh database, a stand-in device library, answered message boxes and modal windows, and
// a log of every checkpoint the transfer writes.
class TransferFixture : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gLanguageOffset = 0;
        gUseCompression = false;
        gConn.executeScript("create table checkpoints (n integer primary key, value integer);"
                            "create trigger checkpoint after update of transfer_progress on preferences "
                            "begin insert into checkpoints (value) values (new.transfer_progress); end");
    }

    std::vector<int> checkpoints() {
        std::vector<int> values;
        auto rows = gConn.prepare("select value from checkpoints order by n");
        while (rows.step())
            values.push_back(static_cast<int>(rows.columnInt64(0)));
        return values;
    }

    static void writeSetting(const char *name, const char *type, const QVariant &value) {
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, type, value);
    }
    static QVariant setting(const char *name, const char *type) {
        QVariant value;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, type, QVariant(), value);
        return value;
    }

    void setAlwaysClear(int value) {
        gConn.prepare("update preferences set alwaysClearDR = ?").bind(1, value).execute();
    }

    testing::FakeDeviceLibrary device;
    testing::ScriptedDialogs dialogs;
    testing::ModalResponder windows;
};
