#include "exchange/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <memory>
#include <optional>

namespace testing {
namespace {

// The request once its headers and the body that Content-Length announces have all arrived.
std::optional<LoopbackHttpServer::Request> completeRequest(const QByteArray &received) {
    const qsizetype headerEnd = received.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = received.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.front().trimmed().split(' ');
    LoopbackHttpServer::Request request;
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (received.size() < headerEnd + 4 + length)
        return std::nullopt;
    request.body = received.mid(headerEnd + 4, length);
    return request;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(int status, QByteArray reason)
    : status_(status), reason_(std::move(reason)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

QUrl LoopbackHttpServer::address() const {
    return QUrl(QString("http://127.0.0.1:%1/upload").arg(server_.serverPort()));
}

QUrl LoopbackHttpServer::refusingAddress() {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    return QUrl(QString("http://127.0.0.1:%1/upload").arg(port));
}

void LoopbackHttpServer::accept() {
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        ++connections_;
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            const auto request = completeRequest(*received);
            if (!request)
                return;
            requests_.push_back(*request);
            socket->write("HTTP/1.1 " + QByteArray::number(status_) + ' ' + reason_ +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
        });
    }
}

} // namespace testing
