#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// What the exchange files share: where files go without a chosen path, and writing them whole.
namespace exchange {

// A file of the exchange that could not be made; nothing of it was left behind.
class ExchangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The "data" folder of the data folder, where files without a chosen path are written.
QString DataFolder();

// Replaces the file with the bytes, or leaves it as it was and throws ExchangeError.
void WriteWholeFile(const QString &path, const QByteArray &bytes);

// Text of count characters drawn with equal chance from the 62 letters and digits.
QString RandomString(int count);

} // namespace exchange
