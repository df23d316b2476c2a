#include "platform/FileVersion.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace platform::files {

std::optional<QString> fileVersion(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    static const QRegularExpression versionSuffix(R"(\.so\.(\d+(?:\.\d+)*)$)");
    const auto match = versionSuffix.match(QFileInfo(info.canonicalFilePath()).fileName());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace platform::files
