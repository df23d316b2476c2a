#pragma once

#include "ExchangeFixture.h"
#include "exchange/DataFileExport.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// The automatic import's folder and what it shows.
namespace exchangetest {

class AutoImport : public ExchangeFixture {
protected:
    QString waiting(const char *name) const { return QDir(platform::paths::autoImportDir()).filePath(name); }

    void putDataFile(const char *name) {
        write(waiting(name), exchange::DataFileText(store(heartRateOnly())));
    }
    void putDamagedFile(const char *name) {
        QByteArray bytes = exchange::DataFileText(store(heartRateOnly()));
        bytes.chop(12); // the last row loses its last values
        write(waiting(name), bytes);
    }

    QStringList folder() const {
        return QDir(platform::paths::autoImportDir()).entryList(QDir::Files, QDir::Name);
    }
    void emptyFolder() const {
        for (const QString &name : folder())
            ASSERT_TRUE(QFile::remove(QDir(platform::paths::autoImportDir()).filePath(name)));
    }
    QStringList texts() const {
        QStringList shown;
        for (const auto &request : dialogs.shown())
            shown << request.text;
        return shown;
    }
};

using ImportCommand = AutoImport;

} // namespace exchangetest
