#include "download/qthttpclient.h"
#include "download/rdl.h"

#include "core/sharedstate.h"
#include "platform/platform.h"
#include "platform/testing/fakes.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace pickwise;
using namespace pickwise::download;
using namespace pickwise::testing;

namespace {

using Bytes = std::vector<uint8_t>;

// What the server answers to every request: whole, cut short or held open part way.
struct Served
{
    QByteArray body;
    QByteArray status = "200 OK";
    bool withLength = true;
    qint64 sendBytes = -1; // body bytes sent; -1: all
    bool holdOpen = false; // keep the connection open after them
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
        QByteArray head = "HTTP/1.1 " + served.status + "\r\n";
        if (served.withLength)
            head += "Content-Length: " + QByteArray::number(served.body.size()) + "\r\n";
        const qint64 n = served.sendBytes < 0 ? served.body.size() : served.sendBytes;
        socket->write(head + "Connection: close\r\n\r\n" + served.body.first(n));
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

// The window over a fresh installation folder and a local server.
struct Harness
{
    explicit Harness(int localDraws, quint16 port = 0)
    {
        const QByteArray local = history(localDraws);
        before.assign(local.begin(), local.end());
        writeBytes(dir.file("sa.rtl"), before);
        state.apppath = dir.path();
        window = new RDL(state, platform);
        window->setBaseUrl(
            QStringLiteral("http://127.0.0.1:%1").arg(port ? port : server.tcp.serverPort()));
        window->show();
    }
    ~Harness() { delete window.data(); }

    template<typename T = QPushButton>
    T *child(const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    std::string status() { return child<QLabel>("Label1")->text().toStdString(); }
    void click(const char *name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    // sa.rtl as it was and nothing else: no backup, no partial download.
    void checkHistoryUntouched()
    {
        QVERIFY(readBytes(dir.file("sa.rtl")) == before);
        QCOMPARE(QDir(QString::fromStdString(dir.path()))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {"sa.rtl"});
    }

    TempDir dir;
    Bytes before;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    QtHttpClient http;
    Platform platform {dialogs, printer, shell, clock, random, &http};
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
    int localDraws = 1500;
    bool refused = false; // the base URL points at a closed port
};

std::vector<Case> cases()
{
    const QByteArray good = history(1502);
    const QByteArray huge(qsizetype(maxBodyBytes + 26), '\1');
    const std::string upTo
        = "Do you want to replace your current results for Lotto with those up to 5/3/2003";
    const std::string more
        = "You seem to have more results in your history file for Lotto than the downloaded "
          "ones. Do you still want to overwrite your current result history with the downloaded "
          "result history.";
    const std::string failed = failedQuestion();
    const std::string corrupt = corruptQuestion();
    return {
        {"good, check off", {good}, false, "", false, allDoneStatus},
        {"good, check on, Yes", {good}, true, upTo, true, allDoneStatus},
        {"good, check on, No", {good}, true, upTo, false, cancelledUpdateStatus()},
        {"fewer draws than local", {history(1500)}, true, more, true, allDoneStatus, 1503},
        {"404", {"<html>Not Found</html>", "404 Not Found"}, true, corrupt, true, someFailedStatus},
        // 1000 bytes: the bar reaches 100 after four pieces.
        {"not a results file", {QByteArray(1000, '\5')}, false, corrupt, false, corruptStopStatus},
        {"truncated", {good, "200 OK", true, good.size() / 2}, false, failed, true,
            someFailedStatus},
        {"no Content-length", {good, "200 OK", false}, false, failed, false, failedStopStatus},
        // Held open: only refusing them as they arrive ends these two.
        {"oversized, announced", {huge, "200 OK", true, 4096, true}, false, failed, true,
            someFailedStatus},
        {"oversized, streamed", {huge, "200 OK", false, -1, true}, false, failed, true,
            someFailedStatus},
        {"connection refused", {good}, false, failed, false, failedStopStatus, 1500, true},
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
    Harness h(c.localDraws, c.refused ? Server::closedPort() : 0);
    h.server.served = c.served;
    if (!c.check)
        h.child<QAction>("mnuNo")->trigger();
    h.dialogs.answer(c.yes);

    h.click("Command1");
    QTRY_VERIFY_WITH_TIMEOUT(h.child("Command1")->isEnabled(), 20000);

    for (const auto &shown : h.dialogs.shown)
        QVERIFY2(shown.question, shown.text.c_str());
    QCOMPARE(h.dialogs.texts(),
        c.question.empty() ? std::vector<std::string> {} : std::vector {c.question});
    QCOMPARE(h.status(), c.status);
    if (c.status == allDoneStatus)
        h.before.assign(c.served.body.begin(), c.served.body.end());
    h.checkHistoryUntouched();
    QVERIFY(h.child("Command3")->isEnabled() && !h.child("Command2")->isEnabled());
    QVERIFY(h.child<QCheckBox>("Check8")->isHidden());
    if (!c.refused)
        QCOMPARE(h.server.requests, QList<QByteArray> {"GET /dwnld/sa.rtl HTTP/1.1"});
    // The bar moves only while a whole body is taken.
    QCOMPARE(h.child<QProgressBar>("ProgressBar1")->value() == 100, c.question != failedQuestion());
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
    Harness h(1500);
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
        // Half way: the backup is taken, Close is off and the window will not close.
        QVERIFY(readBytes(h.dir.file("temp.rtl")) == h.before);
        QVERIFY(!h.child("Command3")->isEnabled());
        QVERIFY(!h.window->close());
        h.click("Command2");
    }
    QTRY_VERIFY(h.child("Command1")->isEnabled());
    QVERIFY(bar->value() < 100);
    QCOMPARE(h.dialogs.texts(), std::vector<std::string> {failedQuestion()});
    QCOMPARE(h.status(), std::string(yes ? someFailedStatus : failedStopStatus));
    h.checkHistoryUntouched();
    QVERIFY(!h.state.downloaddone);
    h.click("Command3");
    QVERIFY(h.state.downloaddone);
}

void RdlTest::windowGoneMidDownloadLeavesTheHistory()
{
    Harness h(1500);
    h.server.served = halfWay();
    h.click("Command1");
    QTRY_VERIFY(!h.server.requests.isEmpty());
    QVERIFY(QFile::exists(QString::fromStdString(h.dir.file("temp.rtl"))));
    delete h.window.data();
    h.checkHistoryUntouched();
}

QTEST_MAIN(RdlTest)
#include "rdl_test.moc"
