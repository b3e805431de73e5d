#pragma once

#include "platform/http.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QPointer>

class QNetworkReply;

namespace pickwise {

// The HTTP port on QNetworkAccessManager (http and https). The response is held
// by the reply as it arrives; after Completed it is handed out in pieces.
class QtHttpClient : public QObject, public HttpClient
{
    Q_OBJECT

public:
    explicit QtHttpClient(QObject *parent = nullptr);
    ~QtHttpClient() override;

    void get(const std::string &url, HttpListener *listener) override;
    int status() const override { return m_status; }
    bool header(const std::string &name, std::string &value) const override;
    std::vector<uint8_t> nextPiece() override;
    void cancel() override;

private:
    void report(int code);
    void onFinished();
    void drop();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    HttpListener *m_listener = nullptr;
    bool m_receiving = false;
    qint64 m_announced = -1;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    QByteArray m_body;
    qsizetype m_position = 0;
};

} // namespace pickwise
