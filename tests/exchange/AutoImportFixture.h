#pragma once

#include "ExchangeFixture.h"
#include "exchange/DataFileExport.h"
#include "platform/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

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
    QString waiting(const QString &name) const {
        return QDir(platform::paths::autoImportDir()).filePath(name);
    }

    // A file that was put in the folder a while ago: nothing writes it any more.
    void put(const QString &name, const QByteArray &bytes) {
        write(waiting(name), bytes);
        setLastChange(waiting(name), QDateTime::currentDateTime().addSecs(-60));
    }
    void putDataFile(const QString &name) { put(name, exchange::DataFileText(store(heartRateOnly()))); }
    void putDamagedFile(const QString &name) {
        QByteArray bytes = exchange::DataFileText(store(heartRateOnly()));
        bytes.chop(12); // the last row loses its last values
        put(name, bytes);
    }

    // A data file's name as long as the folder allows, which the system refuses to lengthen: the
    // import cannot claim it, just as it cannot claim another user's file in a shared folder.
    QString untakeableName(int number) const {
        const long longest =
            ::pathconf(QFile::encodeName(platform::paths::autoImportDir()).constData(), _PC_NAME_MAX);
        const QString numbered = QString::number(number) + ".csv";
        return QString(longest - numbered.size(), 'r') + numbered;
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
