#include "download/qthttpclient.h"
#include "download/rdl.h"

#include "platform/damagecheck.h"
#include "tests/support/installation.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace pickwise;
using namespace pickwise::download;
using namespace pickwise::testing;

namespace {

using Bytes = std::vector<uint8_t>;

// What the server answers to every request: whole, cut short or held open part
// way; with a Content-Length, chunked, or closed after the body; or nothing.
struct Served
{
    QByteArray body;
    QByteArray status = "200 OK";
    bool withLength = true;
    qint64 sendBytes = -1; // body bytes sent; -1: all
    bool holdOpen = false; // keep the connection open after them
    bool chunked = false; // sent in chunks of 1000 bytes, without a length
    bool silent = false; // accept the request and never answer
};

// A small HTTP server on 127.0.0.1, on a free port.
struct Server
{
    Server()
    {
        tcp.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&tcp, &QTcpServer::newConnection, &tcp, [this] {
            while (QTcpSocket *socket = tcp.nextPendingConnection()) {
                auto request = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] {
                    request->append(socket->readAll());
                    if (request->contains("\r\n\r\n"))
                        respond(socket, request->left(request->indexOf("\r\n")));
                });
            }
        });
    }
    void respond(QTcpSocket *socket, const QByteArray &requestLine)
    {
        requests.append(requestLine);
        if (served.silent)
            return;
        QByteArray head = "HTTP/1.1 " + served.status + "\r\n";
        if (served.withLength && !served.chunked)
            head += "Content-Length: " + QByteArray::number(served.body.size()) + "\r\n";
        if (served.chunked)
            head += "Transfer-Encoding: chunked\r\n";
        const qint64 n = served.sendBytes < 0 ? served.body.size() : served.sendBytes;
        QByteArray body = served.body.first(n);
        if (served.chunked) {
            QByteArray chunks;
            for (qsizetype at = 0; at < body.size(); at += 1000) {
                const QByteArray chunk = body.mid(at, 1000);
                chunks += QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n";
            }
            // The last chunk only when the whole body went.
            body = n == served.body.size() ? chunks + "0\r\n\r\n" : chunks;
        }
        socket->write(head + "Connection: close\r\n\r\n" + body);
        if (!served.holdOpen)
            socket->disconnectFromHost();
    }
    // A port on which nothing listens.
    static quint16 closedPort() { return Server().tcp.serverPort(); }

    QTcpServer tcp;
    Served served;
    QList<QByteArray> requests;
};

// Draw 1502 falls on Wednesday 5 March 2003.
QByteArray history(int n)
{
    const QDate first = QDate(2003, 3, 5).addDays(-5254);
    const Bytes b = bytesOf(makeHistory(n, {first.year(), first.month(), first.day()}));
    return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
}

// The window over an installation and a local server. The HTTP port gives up
// after idleMs without a byte.
struct DownloadWindow : Installation
{
    explicit DownloadWindow(int localDraws, quint16 port = 0, int idleMs = 30000)
        : http(nullptr, idleMs)
    {
        platform.http = &http;
        const QByteArray local = ::history(localDraws);
        before.assign(local.begin(), local.end());
        writeBytes(paths.results(), before);
        window = new RDL(context);
        window->setBaseUrl(
            QStringLiteral("http://127.0.0.1:%1").arg(port ? port : server.tcp.serverPort()));
        window->show();
    }
    ~DownloadWindow() { delete window.data(); }

    template<typename T = QPushButton>
    T *child(const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    std::string status() { return child<QLabel>("Label1")->text().toStdString(); }
    std::string address() { return window->url().toStdString(); }
    QProgressBar *bar() { return child<QProgressBar>("ProgressBar1"); }
    void click(const char *name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    // sa.rtl as it was and nothing else: no backup, no partial download.
    void checkHistoryUntouched()
    {
        QVERIFY(readBytes(paths.results()) == before);
        QCOMPARE(QDir(QString::fromStdString(paths.dataFolder()))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {"sa.rtl"});
    }

    Bytes before;
    QtHttpClient http;
    Server server;
    QPointer<RDL> window;
};

// A download held open half way through its body.
Served halfWay()
{
    const QByteArray good = history(1502);
    return {good, "200 OK", true, good.size() / 2, true};
}

struct Case
{
    const char *name;
    Served served;
    bool check; // "Check Before Overwriting"
    std::string question; // the one question asked, if any
    bool yes; // its answer
    std::string status; // all done exactly when the download replaced the history
    std::string reason; // named in the status after a failure, "" when none
    int localDraws = 1500;
    bool refused = false; // the base URL points at a closed port
};

// How long the port waits for a byte in these cases.
constexpr int idleMs = 300;

std::vector<Case> cases()
{
    const QByteArray good = history(1502);
    const QByteArray huge(qsizetype(maxBodyBytes + 26), '\1');
    const QByteArray page = "<html><body>Lotto results</body></html>"; // 39 bytes
    const std::string upTo
        = "Do you want to replace your current results for Lotto with those up to 5/3/2003";
    const std::string more
        = "You seem to have more results in your history file for Lotto than the downloaded "
          "ones. Do you still want to overwrite your current result history with the downloaded "
          "result history.";
    const std::string failed = failedQuestion();
    const std::string corrupt = corruptQuestion();
    const std::string halfCut = "the connection dropped after 19526 bytes";
    const std::string halfCount
        = "not a results file: its count says 1502 but it holds 751 records";
    const std::string huger = "the file is larger than any results file (more than 851942 bytes)";
    return {
        {"good, check off", {good}, false, "", false, allDoneStatus, ""},
        {"good, check on, Yes", {good}, true, upTo, true, allDoneStatus, ""},
        {"good, check on, No", {good}, true, upTo, false, cancelledUpdateStatus(), ""},
        {"good, chunked", {good, "200 OK", false, -1, false, true}, false, "", false, allDoneStatus,
            ""},
        {"good, no length, closed after it", {good, "200 OK", false}, false, "", false,
            allDoneStatus, ""},
        // Whatever the check says, a download that would drop draws is asked about.
        {"fewer draws than local", {history(1500)}, true, more + "\n\n" + removalText(3), true,
            allDoneStatus, "", 1503},
        {"fewer draws, check off, No", {history(10)}, false, removalQuestion(1490), false,
            cancelledUpdateStatus(), ""},
        {"fewer draws, check off, Yes", {history(10)}, false, removalQuestion(1490), true,
            allDoneStatus, ""},
        {"404", {"<html>Not Found</html>", "404 Not Found"}, true, corrupt, true, someFailedStatus,
            "the server answered 404 Not Found"},
        {"HTML with 200", {page}, false, corrupt, false, corruptStopStatus,
            "not a results file: its 39 bytes are not whole records of 26 bytes"},
        {"not a results file", {QByteArray(1040, '\5')}, false, corrupt, false, corruptStopStatus,
            "not a results file: its count says 84215045 but it holds 40 records"},
        {"truncated", {good, "200 OK", true, good.size() / 2}, false, failed, true,
            someFailedStatus, halfCut},
        {"no length, cut", {good, "200 OK", false, good.size() / 2}, false, corrupt, true,
            someFailedStatus, halfCount},
        {"chunked, cut", {good, "200 OK", false, good.size() / 2, false, true}, false, failed,
            false, failedStopStatus, halfCut},
        // Held open: only refusing them as they arrive ends these two.
        {"oversized, announced", {huge, "200 OK", true, 4096, true}, false, failed, true,
            someFailedStatus, huger},
        {"oversized, streamed", {huge, "200 OK", false, -1, true}, false, failed, true,
            someFailedStatus, huger},
        {"no answer", {good, "200 OK", true, -1, false, false, true}, false, failed, true,
            someFailedStatus, "timed out: no answer from the server in 0.3 seconds"},
        {"stalled half way", {good, "200 OK", true, good.size() / 2, true}, false, failed, false,
            failedStopStatus,
            "timed out: no data from the server for 0.3 seconds after 19526 bytes"},
        {"connection refused", {good}, false, failed, false, failedStopStatus, "connection refused",
            1500, true},
    };
}

} // namespace

class RdlTest : public QObject
{
    Q_OBJECT

private slots:
    void downloads_data();
    void downloads();
    void cancel_data();
    void cancel();
    void windowGoneMidDownloadLeavesTheHistory();
    void declinedHistoryIsNotReplaced();
};

void RdlTest::downloads_data()
{
    QTest::addColumn<int>("index");
    const auto all = cases();
    for (size_t i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << int(i);
}

void RdlTest::downloads()
{
    QFETCH(int, index);
    const Case c = cases()[size_t(index)];
    DownloadWindow h(c.localDraws, c.refused ? Server::closedPort() : 0, idleMs);
    h.server.served = c.served;
    if (!c.check)
        h.child<QAction>("mnuNo")->trigger();
    h.dialogs.answer(c.yes);
    // No dial-up here, so no hang-up box; the "Downloading" box is only shown.
    QVERIFY(h.child<QCheckBox>("Check8")->isHidden());
    QVERIFY(h.child<QLineEdit>("Text1")->isReadOnly());

    h.click("Command1");
    QTRY_VERIFY_WITH_TIMEOUT(h.child("Command1")->isEnabled(), 20000);

    for (const auto &shown : h.dialogs.shown)
        QVERIFY2(shown.question, shown.text.c_str());
    QCOMPARE(h.dialogs.texts(),
        c.question.empty() ? std::vector<std::string> {} : std::vector {c.question});
    // A failure names the address, the reason and that nothing changed.
    QCOMPARE(h.status(),
        c.reason.empty() ? c.status
                         : c.status + "\n" + h.address() + ": " + c.reason + ".\n" + unchangedLine);
    if (c.status == allDoneStatus)
        h.before.assign(c.served.body.begin(), c.served.body.end());
    h.checkHistoryUntouched();
    QVERIFY(h.child("Command3")->isEnabled() && !h.child("Command2")->isEnabled());
    if (!c.refused)
        QCOMPARE(h.server.requests, QList<QByteArray> {"GET /dwnld/sa.rtl HTTP/1.1"});
    // The bar shows the whole file exactly when all of it arrived and nothing failed.
    QCOMPARE(h.bar()->maximum(), 100);
    QCOMPARE(h.bar()->value(), c.reason.empty() ? 100 : 0);
}

void RdlTest::cancel_data()
{
    QTest::addColumn<bool>("held"); // held open half way, else cancelled while taking pieces
    QTest::addColumn<bool>("yes");
    QTest::newRow("held, Yes") << true << true;
    QTest::newRow("held, No") << true << false;
    QTest::newRow("taking pieces, Yes") << false << true;
}

void RdlTest::cancel()
{
    QFETCH(bool, held);
    QFETCH(bool, yes);
    DownloadWindow h(1500);
    h.dialogs.answer(yes);
    auto *bar = h.child<QProgressBar>("ProgressBar1");
    h.server.served = held ? halfWay() : Served {history(1502)};
    if (!held) {
        // The bar moves once per piece taken; Cancel lands part way through.
        connect(bar, &QProgressBar::valueChanged, this, [&h](int value) {
            if (value >= 10 && h.child("Command2")->isEnabled())
                h.click("Command2");
        });
    }
    h.click("Command1");
    if (held) {
        QTRY_COMPARE_WITH_TIMEOUT(h.child<QLabel>("Label1")->text(),
            QStringLiteral("Receiving a response from the host computer"), 10000);
        // The bar follows the bytes: half of the announced length is here.
        QTRY_COMPARE(bar->value(), 50);
        // Half way: the backup is taken, Close is off and the window will not close.
        QVERIFY(readBytes(h.paths.resultsBackup()) == h.before);
        QVERIFY(!h.child("Command3")->isEnabled());
        QVERIFY(!h.window->close());
        h.click("Command2");
    }
    QTRY_VERIFY(h.child("Command1")->isEnabled());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(h.dialogs.texts(), std::vector<std::string> {failedQuestion()});
    QCOMPARE(h.status(),
        std::string(yes ? someFailedStatus : failedStopStatus) + "\n" + h.address()
            + ": you cancelled the download.\n" + unchangedLine);
    h.checkHistoryUntouched();
    // Close now closes the window.
    QSignalSpy closed(h.window.data(), &ChildWindow::closed);
    h.click("Command3");
    QCOMPARE(closed.count(), 1);
}

void RdlTest::windowGoneMidDownloadLeavesTheHistory()
{
    DownloadWindow h(1500);
    h.server.served = halfWay();
    h.click("Command1");
    QTRY_VERIFY(!h.server.requests.isEmpty());
    QVERIFY(QFile::exists(QString::fromStdString(h.paths.resultsBackup())));
    delete h.window.data();
    h.checkHistoryUntouched();
}

// The user chose to leave a history with a damaged count as it is: nothing is
// written to it in this run, a download included.
void RdlTest::declinedHistoryIsNotReplaced()
{
    DownloadWindow h(1500);
    const std::string path = h.paths.results();
    h.before[0] = h.before[1] = h.before[2] = h.before[3] = 0xFF; // count -1
    writeBytes(path, h.before);
    h.dialogs.answer(false);
    QCOMPARE(reviewFile(h.context, path, RecordKind::Results), DamageRegister::Outcome::Declined);
    h.dialogs.clear();
    h.server.served = {history(1502)};

    h.click("Command1");
    QCOMPARE(h.dialogs.texts(), std::vector<std::string> {declinedMessage(path)});
    QVERIFY(h.child("Command1")->isEnabled());
    QCOMPARE(h.status(),
        std::string(noConnectionStatus) + "\n" + path
            + ": its count is damaged and was left as it is.\n" + unchangedLine);
    QTest::qWait(50);
    QVERIFY(h.server.requests.isEmpty());
    h.checkHistoryUntouched();
}

QTEST_MAIN(RdlTest)
#include "rdl_test.moc"
