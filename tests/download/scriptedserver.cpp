#include "scriptedserver.h"

#include <QHostAddress>
#include <QTimer>

ScriptedServer::ScriptedServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

quint16 ScriptedServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void ScriptedServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        auto *request = new QByteArray;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            request->append(socket->readAll());
            if (!request->contains("\r\n\r\n") || request->isEmpty())
                return;
            m_requests.append(request->left(request->indexOf("\r\n")));
            request->clear();
            respond(socket);
        });
        connect(socket, &QObject::destroyed, this, [request] { delete request; });
    }
}

void ScriptedServer::respond(QTcpSocket *socket)
{
    const Response &r = m_response;
    QByteArray head = r.statusLine + "\r\nContent-Type: application/octet-stream\r\n";
    if (r.withLength)
        head += "Content-Length: "
            + QByteArray::number(r.announced < 0 ? r.body.size() : r.announced) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    m_pending = r.body;
    m_sent = 0;
    m_limit = r.sendBytes < 0 ? r.body.size() : r.sendBytes;
    sendMore(socket);
}

void ScriptedServer::sendMore(QTcpSocket *socket)
{
    const Response &r = m_response;
    const qint64 step = r.chunk > 0 ? r.chunk : m_limit;
    const qint64 n = qMin(step, m_limit - m_sent);
    if (n > 0) {
        socket->write(m_pending.mid(m_sent, n));
        m_sent += n;
    }
    if (m_sent < m_limit) {
        QPointer<QTcpSocket> alive(socket);
        QTimer::singleShot(5, this, [this, alive] {
            if (alive)
                sendMore(alive);
        });
        return;
    }
    if (!r.holdOpen)
        socket->disconnectFromHost();
}
