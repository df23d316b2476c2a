#include "exchange/TrenloTransfer.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace {

// A service that stops answering does not keep the window waiting for ever.
constexpr int kTransferTimeoutMs = 60000;

QString failureReason(const QNetworkReply &reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    if (status.isValid() && (code < 200 || code > 299)) {
        const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return QString("HTTP %1 %2").arg(code).arg(phrase).trimmed();
    }
    if (reply.error() != QNetworkReply::NoError)
        return reply.errorString();
    if (!status.isValid())
        return "no answer from the service";
    return {};
}

} // namespace

QString TrenloTransfer::StatusText(int state) {
    switch (state) {
    case NoInformation:
        return "No state information is available.";
    case Resolving:
        return "Looking up the IP address for Trenlo.";
    case Resolved:
        return "Found the IP address for Trenlo.";
    case Connecting:
        return "Connecting to Trenlo.";
    case Connected:
        return "Connected to Trenlo.";
    case Requesting:
        return "Requesting information from Trenlo.";
    case RequestSent:
        return "The request was sent successfully to Trenlo.";
    case ReceivingResponse:
        return "Receiving a response from Trenlo.";
    case ResponseReceived:
        return "The response was received successfully from Trenlo.";
    case Disconnecting:
        return "Disconnecting from Trenlo.";
    case Disconnected:
        return "Disconnected from Trenlo.";
    case Error:
        return "An error has occurred while communicating with Trenlo.";
    case ResponseCompleted:
        return "Finished! All data has been transferred.";
    default:
        return "Unknown state: " + QString::number(state);
    }
}

TrenloTransfer::TrenloTransfer(QObject *parent) : QObject(parent) {}

TrenloTransfer::~TrenloTransfer() {
    cancel();
}

void TrenloTransfer::start(const QUrl &address, const QByteArray &body) {
    cancel();
    QNetworkRequest request(address);
    // The body is the credentials line and the data files as they are, in their character set.
    request.setHeader(QNetworkRequest::ContentTypeHeader, "text/plain; charset=windows-1252");
    request.setTransferTimeout(kTransferTimeoutMs);
    emit stateChanged(Resolving);
    watch(network_.post(request, body));
}

void TrenloTransfer::cancel() {
    if (QNetworkReply *running = reply_.data()) {
        reply_.clear();
        running->abort();
        running->deleteLater();
    }
}

void TrenloTransfer::watch(QNetworkReply *reply) {
    reply_ = reply;
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] { emit stateChanged(Connecting); });
    connect(reply, &QNetworkReply::encrypted, this, [this] { emit stateChanged(Connected); });
    connect(reply, &QNetworkReply::uploadProgress, this, [this, requesting = true](qint64, qint64) mutable {
        if (std::exchange(requesting, false))
            emit stateChanged(Requesting);
    });
    connect(reply, &QNetworkReply::requestSent, this, [this] { emit stateChanged(RequestSent); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] { emit stateChanged(ReceivingResponse); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void TrenloTransfer::finish(QNetworkReply *reply) {
    reply->deleteLater();
    if (reply_ != reply)
        return; // cancelled
    reply_.clear();
    const QString reason = failureReason(*reply);
    if (!reason.isEmpty()) {
        emit stateChanged(Error);
        emit failed(reason);
        return;
    }
    emit stateChanged(ResponseReceived);
    emit stateChanged(ResponseCompleted);
    emit delivered();
}
