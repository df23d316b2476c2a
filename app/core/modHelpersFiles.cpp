#include "core/modHelpersFiles.h"

#include <QSaveFile>

namespace modHelpers {

bool WriteBytesToFile(const QString &path, std::span<const std::uint8_t> bytes, std::size_t count) {
    if (count > bytes.size())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(count);
    if (file.write(reinterpret_cast<const char *>(bytes.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace modHelpers
