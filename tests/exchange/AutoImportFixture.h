#pragma once

#include "ExchangeFixture.h"
#include "exchange/DataFileExport.h"
#include "platform/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// The automatic import's folder and what it shows.
namespace exchangetest {

// Sets the file's last change; a link's target is changed.
inline void setLastChange(const QString &path, const QDateTime &moment) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(moment, QFileDevice::FileModificationTime));
}

// Heart-rate samples every two seconds.
inline DataFile::Activity heartRateSamples(int count) {
    DataFile::Activity activity = heartRateOnly();
    activity.samples.clear();
    for (int sample = 0; sample < count; ++sample)
        activity.samples.push_back(heartRate(2 * sample, 120 + sample % 40));
    return activity;
}

class AutoImport : public ExchangeFixture {
protected:
    QString waiting(const char *name) const { return QDir(platform::paths::autoImportDir()).filePath(name); }

    // A file that was put in the folder a while ago: nothing writes it any more.
    void put(const char *name, const QByteArray &bytes) {
        write(waiting(name), bytes);
        setLastChange(waiting(name), QDateTime::currentDateTime().addSecs(-60));
    }
    void putDataFile(const char *name) { put(name, exchange::DataFileText(store(heartRateOnly()))); }
    void putDamagedFile(const char *name) {
        QByteArray bytes = exchange::DataFileText(store(heartRateOnly()));
        bytes.chop(12); // the last row loses its last values
        put(name, bytes);
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
