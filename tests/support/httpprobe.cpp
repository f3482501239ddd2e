#include "httpprobe.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace veltra::test {

namespace {
// Bounds a request's head: a client that sends more is cut off.
constexpr int maxHeadSize = 16 * 1024;
} // namespace

HttpProbe::HttpProbe(const QByteArray &picture, QObject *parent)
    : QObject(parent)
    , m_picture(picture)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpProbe::accept);
}

int HttpProbe::port()
{
    if (!m_server.isListening() && !m_server.listen(QHostAddress::LocalHost))
        qWarning("HttpProbe::port(): cannot listen: %s", qPrintable(m_server.errorString()));
    return m_server.serverPort();
}

void HttpProbe::clear()
{
    m_paths.clear();
    emit pathsChanged();
}

void HttpProbe::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket]() {
            if (socket->property("answered").toBool())
                return;
            QByteArray head = socket->property("head").toByteArray() + socket->readAll();
            if (!head.contains("\r\n\r\n") && head.size() < maxHeadSize) {
                socket->setProperty("head", head);
                return;
            }
            socket->setProperty("answered", true);
            // "GET /path HTTP/1.1"
            const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
            m_paths.append(requestLine.size() > 1 ? QString::fromUtf8(requestLine.at(1)) : QString());
            emit pathsChanged();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: "
                          + QByteArray::number(m_picture.size()) + "\r\nConnection: close\r\n\r\n");
            socket->write(m_picture);
            socket->disconnectFromHost();
        });
    }
}

} // namespace veltra::test
