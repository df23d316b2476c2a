#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <vector>

// What the upload to the partner service sends, and where.
namespace PartnerUpload {

// Every message of a failed upload begins with this.
inline constexpr const char *kProblemUploading = "There was a problem uploading: ";

// The settings value that holds the service's upload address.
inline constexpr const char *kAddressValue = "PartnerURL";

// The credentials travel in the body, so only an encrypted connection may carry them; plain
// http is allowed to this computer alone.
bool IsSafeAddress(const QUrl &address);

struct Address {
    QUrl url;        // valid only when problem is empty
    QString problem; // why nothing may be sent, for the athlete
};

// The address from the settings store, or the reason why there is none to use.
Address ConfiguredAddress();

// The credentials line, then the files with a line of ten dashes between each two of them.
QByteArray RequestBody(const QByteArray &credentialsLine, const std::vector<QByteArray> &files);

} // namespace PartnerUpload
