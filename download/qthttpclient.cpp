#include "download/qthttpclient.h"

#include "core/numbers.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace pickwise {

namespace {

std::string bytesText(qint64 n)
{
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

} // namespace

QtHttpClient::QtHttpClient(QObject *parent, int idleTimeoutMs)
    : QObject(parent), m_idleTimeoutMs(idleTimeoutMs)
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &QtHttpClient::onIdle);
}

QtHttpClient::~QtHttpClient()
{
    m_listener = nullptr;
    drop();
}

void QtHttpClient::drop()
{
    m_idle.stop();
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
    m_statusText.clear();
    m_failure.clear();
    m_received = 0;
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
    // Every byte from the server starts the wait again.
    m_idle.start(m_idleTimeoutMs);

    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] { report(Connecting); });
    connect(reply, &QNetworkReply::requestSent, this, [this] { report(RequestSent); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        if (m_receiving || !m_reply)
            return;
        m_receiving = true;
        m_idle.start(m_idleTimeoutMs);
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
        if (!m_reply)
            return;
        m_idle.start(m_idleTimeoutMs);
        m_received = m_reply->bytesAvailable();
        if (m_listener)
            m_listener->httpArriving(m_received, m_announced);
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
        m_received = qMax(m_received, reply->bytesAvailable());
        switch (error) {
        case QNetworkReply::ConnectionRefusedError:
            fail("connection refused");
            break;
        case QNetworkReply::HostNotFoundError:
            fail("no such host");
            break;
        default:
            if (m_receiving)
                fail("the connection dropped after " + bytesText(m_received));
            else if (error == QNetworkReply::RemoteHostClosedError)
                fail("the server closed the connection without answering");
            else
                fail(reply->errorString().toStdString());
            break;
        }
        return;
    }
    m_status = code.toInt();
    const QString phrase
        = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    m_statusText = std::to_string(m_status) + (phrase.isEmpty() ? "" : " " + phrase.toStdString());
    m_headers = reply->rawHeaderPairs();
    m_body = reply->readAll();
    m_position = 0;
    drop();
    report(Received);
    report(Completed);
}

void QtHttpClient::onIdle()
{
    if (!m_reply)
        return;
    const std::string wait = plainNumberText(m_idleTimeoutMs / 1000.0) + " seconds";
    if (m_receiving)
        fail("timed out: no data from the server for " + wait + " after " + bytesText(m_received));
    else
        fail("timed out: no answer from the server in " + wait);
}

void QtHttpClient::fail(const std::string &reason)
{
    m_failure = reason;
    drop();
    report(Error);
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
