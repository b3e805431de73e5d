#include "download/qthttpclient.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace pickwise {

QtHttpClient::QtHttpClient(QObject *parent) : QObject(parent) { }

QtHttpClient::~QtHttpClient()
{
    m_listener = nullptr;
    drop();
}

void QtHttpClient::drop()
{
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void QtHttpClient::report(int code)
{
    if (m_listener)
        m_listener->httpState(code);
}

void QtHttpClient::get(const std::string &url, HttpListener *listener)
{
    cancel();
    m_listener = listener;
    m_receiving = false;
    m_announced = -1;
    m_status = 0;
    m_headers.clear();
    m_body.clear();
    m_position = 0;

    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    // A results file must come from the server, never from a cache on the way.
    request.setAttribute(
        QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // The body is judged against Content-length byte for byte, so it must come
    // as stored, not compressed on the way and unpacked here.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply *reply = m_manager.get(request);
    m_reply = reply;

    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] { report(Connecting); });
    connect(reply, &QNetworkReply::requestSent, this, [this] { report(RequestSent); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        if (m_receiving || !m_reply)
            return;
        m_receiving = true;
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        m_announced = length.isValid() ? length.toLongLong() : -1;
        report(Receiving);
        if (m_listener)
            m_listener->httpArriving(0, m_announced);
    });
    // readyRead rather than downloadProgress: the latter is throttled and may
    // stay silent while a large body piles up. The body is left in the reply
    // until the end, so what is available is what has arrived.
    connect(reply, &QNetworkReply::readyRead, this, [this] {
        if (m_listener && m_reply)
            m_listener->httpArriving(m_reply->bytesAvailable(), m_announced);
    });
    connect(reply, &QNetworkReply::finished, this, &QtHttpClient::onFinished);
}

void QtHttpClient::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply->error();
    // A server that answered with an error status still answered: its response
    // is complete and the caller judges it. Failures below HTTP (refused,
    // closed early, timed out, TLS) mean there is no whole response.
    const bool answered = code.isValid()
        && (error == QNetworkReply::NoError || error >= QNetworkReply::ContentAccessDenied);
    if (!answered) {
        drop();
        report(Error);
        return;
    }
    m_status = code.toInt();
    m_headers = reply->rawHeaderPairs();
    m_body = reply->readAll();
    m_position = 0;
    drop();
    report(Received);
    report(Completed);
}

bool QtHttpClient::header(const std::string &name, std::string &value) const
{
    const QByteArray wanted = QByteArray::fromStdString(name);
    for (const auto &pair : m_headers) {
        if (pair.first.compare(wanted, Qt::CaseInsensitive) == 0) {
            value = pair.second.toStdString();
            return true;
        }
    }
    return false;
}

std::vector<uint8_t> QtHttpClient::nextPiece()
{
    const qsizetype n
        = qMin<qsizetype>(static_cast<qsizetype>(maxPiece), m_body.size() - m_position);
    if (n <= 0)
        return {};
    const auto *start = reinterpret_cast<const uint8_t *>(m_body.constData() + m_position);
    m_position += n;
    return std::vector<uint8_t>(start, start + n);
}

void QtHttpClient::cancel()
{
    m_listener = nullptr;
    drop();
    m_body.clear();
    m_position = 0;
}

} // namespace pickwise
