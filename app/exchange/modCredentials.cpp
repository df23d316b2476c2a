#include "exchange/modCredentials.h"

#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/Windows1252.h"

namespace modCredentials {
namespace {

constexpr char kMethodDigit = '1';
// "Character %1 of the text, "%2", cannot be kept scrambled: ..."
constexpr int kCodePasses255 = 1953;

int shift(qsizetype position) {
    return static_cast<int>(position + position % 3);
}

} // namespace

QByteArray Encrypt(int method, const QByteArray &plain) {
    if (method != kScrambleMethod)
        throw EncryptError(1006, "Unrecognized encryption method.");
    QByteArray scrambled(1, kMethodDigit);
    scrambled.reserve(plain.size() + 1);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const int code = static_cast<unsigned char>(plain[i]) + shift(i);
        if (code > 255)
            throw EncryptError(5, modLocalisation::LoadResString(kCodePasses255)
                                      .arg(QString::number(i + 1), Windows1252::decode(plain.mid(i, 1)))
                                      .toStdString());
        scrambled.append(static_cast<char>(code));
    }
    return scrambled;
}

QByteArray Decrypt(const QByteArray &scrambled) {
    const QByteArray invalid("{invalid}");
    if (scrambled.size() <= 1)
        return {};
    if (scrambled[0] != kMethodDigit)
        return invalid;
    QByteArray plain;
    plain.reserve(scrambled.size() - 1);
    for (qsizetype i = 1; i < scrambled.size(); ++i) {
        const int code = static_cast<unsigned char>(scrambled[i]) - shift(i - 1);
        if (code < 0)
            return invalid;
        plain.append(static_cast<char>(code));
    }
    return plain;
}

QString ShownCredential(const QString &stored) {
    if (stored.size() <= kLeadLength)
        return {};
    const auto scrambled = Windows1252::encode(stored.mid(kLeadLength));
    return Windows1252::decode(scrambled ? Decrypt(*scrambled) : QByteArray("{invalid}"));
}

void StoreCredential(Credential which, const QString &plain) {
    const auto codes = Windows1252::encode(plain);
    if (!codes)
        throw EncryptError(5, "The text holds a character that cannot be kept.");
    const QString stored =
        exchange::RandomString(kLeadLength) + Windows1252::decode(Encrypt(kScrambleMethod, *codes));
    const bool userName = which == Credential::UserName;
    gConn
        .prepare(userName ? "update preferences set trenlocrypto = ?"
                          : "update preferences set trenlocrypto2 = ?")
        .bindAll(stored)
        .execute();
    (userName ? gPartnerUser : gPartnerPassword) = stored;
}

QByteArray CredentialsLine() {
    const auto line = Windows1252::encode(gPartnerUser + '^' + gPartnerPassword + "\r\n");
    if (!line)
        throw EncryptError(5, "The stored credentials hold a character that cannot be sent.");
    return *line;
}

} // namespace modCredentials
