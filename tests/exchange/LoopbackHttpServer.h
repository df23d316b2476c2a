#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <vector>

namespace testing {

// A web service on a loopback port for as long as it lives: it reads each request whole and
// answers every one with the same status and an empty body.
class LoopbackHttpServer : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    explicit LoopbackHttpServer(int status = 200, QByteArray reason = "OK");

    QUrl address() const;
    int connections() const { return connections_; }
    const std::vector<Request> &requests() const { return requests_; }

    // A loopback address where nothing listens, so a connection is refused.
    static QUrl refusingAddress();

private:
    void accept();

    QTcpServer server_;
    int status_;
    QByteArray reason_;
    int connections_ = 0;
    std::vector<Request> requests_;
};

} // namespace testing
