// Writes the data file fuzzer's first corpus: files of every shape the writer makes, and the
// older versions' layouts. Usage: fuzz_datafile_seeds <folder>

#include "exchange/DataFileWriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

DataFile::Sample sample(double time, int type, double hr, double speed, double distance) {
    DataFile::Sample s;
    s.duration = time;
    s.type = type;
    s.hr = hr;
    s.speed = speed;
    s.distance = distance;
    if (type == DataFile::kGpsSample) {
        s.latitude = 45.5 + time / 10000;
        s.longitude = -73.5;
        s.altitude = 120;
        s.acqStatus = 3;
        s.trueHeading = 90;
        s.magHeading = 80;
    }
    return s;
}

DataFile::Activity activity(double type, bool recorded, std::vector<DataFile::Sample> samples) {
    DataFile::Session session;
    session.start = QDateTime(QDate(2004, 8, 5), QTime(7, 3, 9));
    session.sportName = "General";
    session.sportId = 1;
    session.distanceUnit = "mi";
    session.avgSpeedUnits = session.maxSpeedUnits = session.avgPaceUnits = session.maxPaceUnits = 0;
    session.distance = 3.25;
    session.duration = 1800;
    session.description = "Tempo^^with = and \xE2\x82\xAC";
    session.sessionType = type;
    session.maxHr = 171;
    session.maxSpeed = 9.5;
    session.avgHr = 150;
    session.avgSpeed = 7.25;
    session.fromDataRecorder = recorded;
    session.timeInZone = {10, 20, 30, 40, 50};
    return {session, std::move(samples)};
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    const std::vector<DataFile::Sample> joined{sample(0, 0, 130, 0, 0), sample(2, 0, 131, 0, 0),
                                               sample(0, 2, 0, 6.1, 0.006), sample(3.57, 2, 0, 6.3, 0.012)};
    // A file in the code page whose description's bytes alone would read as UTF-8.
    DataFile::Activity codePage = activity(99, false, {});
    codePage.session.sportName = QString::fromUtf8("Caf\xC3\xA9");
    codePage.session.description = QString::fromUtf8("\xC3\x83\xC2\xA9t");
    const QByteArray files[] = {
        DataFileWriter::DataFileBytes(codePage, {.dateOrderPattern = "mm/dd/yyyy"}),
        DataFileWriter::DataFileBytes(activity(99, false, {}), {.dateOrderPattern = "mm/dd/yyyy"}),
        DataFileWriter::DataFileBytes(activity(0, true, {sample(0, 0, 120, 0, 0), sample(2, 0, 121, 0, 0)}),
                                      {.dateOrderPattern = "dd/mm/yyyy"}),
        DataFileWriter::DataFileBytes(activity(20, true, joined), {.dateOrderPattern = "yyyy/mm/dd"}),
        DataFileWriter::DataFileBytes(activity(20, true, joined),
                                      {.dateOrderPattern = "mm/dd/yyyy", .basicDataOnly = true}),
        QByteArray(DataFileWriter::DataFileBytes(activity(1, true, {sample(600, 1, 0, 8.3, 1.254)}),
                                                 {.dateOrderPattern = "dd/mm/yyyy"}))
            .replace("version=1.2_", "version=1.1_")
            .replace("\r\n", "\n"),
        QByteArray(DataFileWriter::DataFileBytes(activity(1, true, {sample(600, 1, 0, 8.3, 1.254)}), {}))
            .replace("version=1.2_", "version=1.0")
            .replace("\"", ""),
    };
    int n = 0;
    for (const QByteArray &bytes : files) {
        QFile file(folder.filePath(QStringLiteral("seed-%1.csv").arg(++n)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
