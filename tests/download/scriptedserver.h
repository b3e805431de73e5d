#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on 127.0.0.1 that answers every request with one scripted
// response, whole, paced, cut short or held open part way.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        QByteArray statusLine = "HTTP/1.1 200 OK";
        QByteArray body;
        bool withLength = true;
        qint64 announced = -1; // Content-Length to send; -1: the body's size
        qint64 sendBytes = -1; // body bytes to send; -1: all
        bool holdOpen = false; // after sendBytes keep the connection open
        int chunk = 0; // send the body in chunks of this size, one per few ms
    };

    ScriptedServer();

    quint16 port() const { return m_server.serverPort(); }
    void setResponse(const Response &response) { m_response = response; }
    const QList<QByteArray> &requestLines() const { return m_requests; }
    qint64 bodyBytesSent() const { return m_sent; }

    // A port on which nothing listens.
    static quint16 closedPort();

private:
    void accept();
    void respond(QTcpSocket *socket);
    void sendMore(QTcpSocket *socket);

    QTcpServer m_server;
    Response m_response;
    QList<QByteArray> m_requests;
    QByteArray m_pending;
    qint64 m_sent = 0;
    qint64 m_limit = 0;
};
