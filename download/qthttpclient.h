#pragma once

#include "platform/http.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QTimer>

class QNetworkReply;

namespace pickwise {

// The HTTP port on QNetworkAccessManager (http and https). The response is held
// by the reply as it arrives; after Completed it is handed out in pieces. A
// request that gets no byte from the server for the idle timeout (waiting for
// the answer, or stalled part way through the body) fails as timed out.
class QtHttpClient : public QObject, public HttpClient
{
    Q_OBJECT

public:
    static constexpr int defaultIdleTimeoutMs = 30000;

    explicit QtHttpClient(QObject *parent = nullptr, int idleTimeoutMs = defaultIdleTimeoutMs);
    ~QtHttpClient() override;

    void get(const std::string &url, HttpListener *listener) override;
    int status() const override { return m_status; }
    std::string statusText() const override { return m_statusText; }
    std::string failure() const override { return m_failure; }
    bool header(const std::string &name, std::string &value) const override;
    std::vector<uint8_t> nextPiece() override;
    void cancel() override;

private:
    void report(int code);
    void onFinished();
    void onIdle();
    void fail(const std::string &reason);
    void drop();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    HttpListener *m_listener = nullptr;
    bool m_receiving = false;
    qint64 m_announced = -1;
    int m_status = 0;
    std::string m_statusText;
    std::string m_failure;
    qint64 m_received = 0; // body bytes so far
    int m_idleTimeoutMs;
    QTimer m_idle;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    QByteArray m_body;
    qsizetype m_position = 0;
};

} // namespace pickwise
