#include "exchange/PartnerUpload.h"

#include "core/modRegistry.h"

#include <QHostAddress>
#include <QVariant>

namespace PartnerUpload {

bool IsSafeAddress(const QUrl &address) {
    if (!address.isValid() || address.host().isEmpty())
        return false;
    const QString scheme = address.scheme().toLower();
    if (scheme == "https")
        return true;
    const QString host = address.host();
    const bool loopback =
        host.compare("localhost", Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
    return scheme == "http" && loopback;
}

Address ConfiguredAddress() {
    QVariant stored;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, kAddressValue, "S", QString(), stored);
    const QString text = stored.toString().trimmed();
    if (text.isEmpty())
        return {{},
                QString(kProblemUploading) + "no address of the Trenlo service is set (settings value \"" +
                    kAddressValue + "\")."};
    const QUrl url(text, QUrl::StrictMode);
    if (!IsSafeAddress(url))
        return {{},
                QString(kProblemUploading) + "the address of the Trenlo service must be an https address."};
    return {url, {}};
}

QByteArray RequestBody(const QByteArray &credentialsLine, const std::vector<QByteArray> &files) {
    static const QByteArray separator("----------\r\n");
    QByteArray body = credentialsLine;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0)
            body += separator;
        body += files[i];
    }
    return body;
}

} // namespace PartnerUpload
