#include "platform/FileVersion.h"

#include <QFileInfo>
#include <QStringList>

namespace platform::files {

std::optional<FileVersion> fileVersion(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QString name = QFileInfo(info.canonicalFilePath()).fileName();
    const qsizetype suffix = name.lastIndexOf(QLatin1String(".so."));
    if (suffix < 0)
        return std::nullopt;

    const QStringList numbers = name.mid(suffix + 4).split(QLatin1Char('.'));
    if (numbers.size() > 4)
        return std::nullopt;
    FileVersion version{};
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        version[i] = numbers[i].toInt(&ok);
        if (!ok || version[i] < 0)
            return std::nullopt;
    }
    return version;
}

} // namespace platform::files
