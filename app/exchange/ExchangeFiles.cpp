#include "exchange/ExchangeFiles.h"

#include "core/modHelpersFiles.h"
#include "platform/Paths.h"

#include <QDir>
#include <QRandomGenerator>

#include <span>

namespace exchange {

QString DataFolder() {
    return QDir(platform::paths::dataDir()).filePath(QStringLiteral("data"));
}

void WriteWholeFile(const QString &path, const QByteArray &bytes) {
    const std::span<const std::uint8_t> content(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                                static_cast<std::size_t>(bytes.size()));
    if (!modHelpers::WriteBytesToFile(path, content, content.size()))
        throw ExchangeError("could not write " + path.toStdString());
}

QString RandomString(int count) {
    static const QString kCharacters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(kCharacters[QRandomGenerator::global()->bounded(static_cast<int>(kCharacters.size()))]);
    return text;
}

} // namespace exchange
