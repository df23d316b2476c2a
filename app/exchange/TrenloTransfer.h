#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkReply;

// One upload to the partner service as an HTTP POST, reporting its progress as numbered states.
// Only an answer of 2xx without a network error counts as delivered.
class TrenloTransfer : public QObject {
    Q_OBJECT

public:
    enum State {
        NoInformation = 0,
        Resolving = 1,
        Resolved = 2,
        Connecting = 3,
        Connected = 4,
        Requesting = 5,
        RequestSent = 6,
        ReceivingResponse = 7,
        ResponseReceived = 8,
        Disconnecting = 9,
        Disconnected = 10,
        Error = 11,
        ResponseCompleted = 12,
    };

    // The athlete's words for a state; the same in every language.
    static QString StatusText(int state);

    explicit TrenloTransfer(QObject *parent = nullptr);
    ~TrenloTransfer() override;

    // Sends the body, held in memory only. A request still running is cancelled first.
    void start(const QUrl &address, const QByteArray &body);
    // Drops the running request without reporting it.
    void cancel();
    bool isRunning() const { return !reply_.isNull(); }

signals:
    void stateChanged(int state);
    void delivered();
    // Why the service did not take the upload: the HTTP status or the network's error.
    void failed(const QString &reason);

private:
    void watch(QNetworkReply *reply);
    void finish(QNetworkReply *reply);

    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
};
