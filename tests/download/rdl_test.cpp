#include "download/qthttpclient.h"
#include "download/rdl.h"

#include "core/sharedstate.h"
#include "download/downloadrules.h"
#include "platform/platform.h"
#include "platform/testing/fakes.h"
#include "scriptedserver.h"
#include "tests/support/testsupport.h"

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
#include <QTest>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

using Bytes = std::vector<uint8_t>;

// Draw 1502 falls on Wednesday 5 March 2003.
Date firstDraw()
{
    const QDate first = QDate(2003, 3, 5).addDays(-5254);
    return {first.year(), first.month(), first.day()};
}

Bytes history(int n)
{
    return bytesOf(makeHistory(n, firstDraw()));
}

QByteArray qbytes(const Bytes &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), static_cast<qsizetype>(b.size()));
}

QByteArray damagedHistory()
{
    // One record deep inside repeats its neighbour's date: record 1 looks fine.
    auto draws = makeHistory(1502, firstDraw());
    draws[700].day = draws[699].day;
    draws[700].month = draws[699].month;
    draws[700].year = draws[699].year;
    return qbytes(bytesOf(draws));
}

const std::string kUpTo
    = "Do you want to replace your current results for Lotto with those up to 5/3/2003";
const std::string kMore
    = "You seem to have more results in your history file for Lotto than the downloaded ones. "
      "Do you still want to overwrite your current result history with the downloaded result "
      "history.";

// Everything a window needs, over a fresh installation folder and a local server.
struct Harness
{
    TempDir dir;
    SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeShell shell;
    FixedClock clock;
    ScriptedRandom random;
    QtHttpClient http;
    Platform platform {dialogs, printer, shell, clock, random, &http};
    ScriptedServer server;
    QPointer<RDL> window;

    explicit Harness(int localDraws, quint16 port = 0)
    {
        writeBytes(dir.file("sa.rtl"), history(localDraws));
        state.apppath = dir.path();
        window = new RDL(state, platform);
        window->setBaseUrl(QStringLiteral("http://127.0.0.1:%1").arg(port ? port : server.port()));
        window->show();
    }
    ~Harness() { delete window.data(); }

    template<typename T>
    T *child(const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    std::string status() { return child<QLabel>("Label1")->text().toStdString(); }
    QStringList filesLeft()
    {
        return QDir(QString::fromStdString(dir.path()))
            .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

struct Case
{
    const char *name;
    int localDraws;
    ScriptedServer::Response response;
    bool refused; // the base URL points at a closed port
    bool checkBeforeOverwriting;
    std::vector<bool> answers;
    std::vector<std::string> questions;
    std::string status;
    bool replaced; // sa.rtl ends as the served body, else as it was
};

std::vector<Case> cases()
{
    using R = ScriptedServer::Response;
    using namespace pickwise::download;
    const QByteArray good = qbytes(history(1502));
    auto ok = [](QByteArray body) {
        R r;
        r.body = std::move(body);
        return r;
    };
    R paced = ok(good);
    paced.chunk = 4096;
    R notFound = ok("<html><body>404 Not Found</body></html>");
    notFound.statusLine = "HTTP/1.1 404 Not Found";
    R truncated = ok(good);
    truncated.sendBytes = good.size() / 2;
    R noLength = ok(good);
    noLength.withLength = false;
    R announcedHuge = ok(QByteArray(4096, '\1'));
    announcedHuge.announced = maxBodyBytes + 26;
    announcedHuge.holdOpen = true;
    R streamedHuge = ok(QByteArray(static_cast<qsizetype>(maxBodyBytes + 26), '\1'));
    streamedHuge.withLength = false;
    streamedHuge.chunk = 65536;
    streamedHuge.holdOpen = true;

    const std::string failed = failedQuestion();
    const std::string corrupt = corruptQuestion();
    return {
        {"good, check off, paced", 1500, paced, false, false, {}, {}, allDoneStatus, true},
        {"good, check on, Yes", 1500, ok(good), false, true, {true}, {kUpTo}, allDoneStatus, true},
        {"good, check on, No", 1500, ok(good), false, true, {false}, {kUpTo},
            cancelledUpdateStatus(), false},
        {"fewer draws than local, No", 1503, ok(qbytes(history(1500))), false, true, {false},
            {kMore}, cancelledUpdateStatus(), false},
        {"fewer draws than local, Yes", 1503, ok(qbytes(history(1500))), false, true, {true},
            {kMore}, allDoneStatus, true},
        {"404", 1500, notFound, false, true, {true}, {corrupt}, someFailedStatus, false},
        {"not a results file, No", 1500, ok("<html><body>Results</body></html>"), false, false,
            {false}, {corrupt}, corruptStopStatus, false},
        {"damaged record deep inside", 1500, ok(damagedHistory()), false, false, {true}, {corrupt},
            someFailedStatus, false},
        {"1000 bytes", 1500, ok(QByteArray(1000, '\5')), false, false, {true}, {corrupt},
            someFailedStatus, false},
        {"truncated", 1500, truncated, false, false, {true}, {failed}, someFailedStatus, false},
        {"no Content-length", 1500, noLength, false, false, {false}, {failed}, failedStopStatus,
            false},
        {"oversized, announced", 1500, announcedHuge, false, false, {true}, {failed},
            someFailedStatus, false},
        {"oversized, streamed", 1500, streamedHuge, false, false, {true}, {failed},
            someFailedStatus, false},
        {"connection refused", 1500, ok(good), true, false, {false}, {failed}, failedStopStatus,
            false},
    };
}

} // namespace

class RdlTest : public QObject
{
    Q_OBJECT

private slots:
    void startsIdleWithCheckBeforeOverwriting();
    void downloads_data();
    void downloads();
    void cancelMidway_data();
    void cancelMidway();
    void cancelWhileTakingPieces();
    void windowGoneMidDownloadLeavesTheHistory();
    void closeSetsDoneFlag();
};

void RdlTest::startsIdleWithCheckBeforeOverwriting()
{
    Harness h(3);
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Results Downloader"));
    QVERIFY(h.button("Command1")->isEnabled());
    QVERIFY(!h.button("Command2")->isEnabled());
    QVERIFY(!h.child<QCheckBox>("Check8")->isChecked());
    auto *yes = h.child<QAction>("mnuYes");
    auto *no = h.child<QAction>("mnuNo");
    QVERIFY(yes->isChecked() && !no->isChecked());
    no->trigger();
    QVERIFY(!yes->isChecked() && no->isChecked());
    no->trigger(); // choosing the checked item keeps it checked
    QVERIFY(!yes->isChecked() && no->isChecked());
    QCOMPARE(
        h.window->url(), QStringLiteral("http://127.0.0.1:%1/dwnld/sa.rtl").arg(h.server.port()));
}

void RdlTest::downloads_data()
{
    QTest::addColumn<int>("index");
    const auto all = cases();
    for (size_t i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << static_cast<int>(i);
}

void RdlTest::downloads()
{
    QFETCH(int, index);
    const Case c = cases()[static_cast<size_t>(index)];
    Harness h(c.localDraws, c.refused ? ScriptedServer::closedPort() : 0);
    h.server.setResponse(c.response);
    const Bytes before = readBytes(h.dir.file("sa.rtl"));
    if (!c.checkBeforeOverwriting)
        h.child<QAction>("mnuNo")->trigger();
    for (bool a : c.answers)
        h.dialogs.answer(a);

    QTest::mouseClick(h.button("Command1"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(h.button("Command1")->isEnabled(), 20000);

    std::vector<std::string> asked;
    for (const auto &shown : h.dialogs.shown) {
        QVERIFY2(shown.question, shown.text.c_str());
        asked.push_back(shown.text);
    }
    QCOMPARE(asked, c.questions);
    QCOMPARE(h.status(), c.status);
    const Bytes expected
        = c.replaced ? Bytes(c.response.body.begin(), c.response.body.end()) : before;
    QVERIFY(readBytes(h.dir.file("sa.rtl")) == expected);
    // Nothing else is left behind: no backup, no partial download.
    QCOMPARE(h.filesLeft(), QStringList {QStringLiteral("sa.rtl")});
    QVERIFY(h.button("Command3")->isEnabled());
    QVERIFY(!h.button("Command2")->isEnabled());
    QVERIFY(h.child<QCheckBox>("Check8")->isHidden());
    QCOMPARE(h.child<QLineEdit>("Text1")->text(), QStringLiteral("Downloading Lotto"));
    if (!c.refused) {
        QCOMPARE(h.server.requestLines(), QList<QByteArray> {"GET /dwnld/sa.rtl HTTP/1.1"});
    }
    if (c.replaced || std::string(c.name) == "1000 bytes")
        QCOMPARE(h.child<QProgressBar>("ProgressBar1")->value(), 100);
}

void RdlTest::cancelMidway_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("status");
    QTest::newRow("Yes") << true << QString::fromLatin1(download::someFailedStatus);
    QTest::newRow("No") << false << QString::fromLatin1(download::failedStopStatus);
}

void RdlTest::cancelMidway()
{
    QFETCH(bool, yes);
    QFETCH(QString, status);
    Harness h(1500);
    ScriptedServer::Response slow;
    slow.body = qbytes(history(1502));
    slow.sendBytes = slow.body.size() / 2;
    slow.holdOpen = true;
    h.server.setResponse(slow);
    const Bytes before = readBytes(h.dir.file("sa.rtl"));
    h.dialogs.answer(yes);

    QTest::mouseClick(h.button("Command1"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(h.child<QLabel>("Label1")->text(),
        QStringLiteral("Receiving a response from the host computer"), 10000);
    QTRY_VERIFY(h.server.bodyBytesSent() == slow.sendBytes);
    // Half way: the backup is taken, Close is off and the window will not close.
    QVERIFY(readBytes(h.dir.file("temp.rtl")) == before);
    QVERIFY(!h.button("Command3")->isEnabled());
    QVERIFY(!h.window->close());
    QVERIFY(!h.state.downloaddone);

    QTest::mouseClick(h.button("Command2"), Qt::LeftButton);
    QTRY_VERIFY(h.button("Command1")->isEnabled());
    QCOMPARE(h.dialogs.texts(), std::vector<std::string> {download::failedQuestion()});
    QCOMPARE(QString::fromStdString(h.status()), status);
    QVERIFY(readBytes(h.dir.file("sa.rtl")) == before);
    QCOMPARE(h.filesLeft(), QStringList {QStringLiteral("sa.rtl")});
}

void RdlTest::cancelWhileTakingPieces()
{
    Harness h(1500);
    ScriptedServer::Response good;
    good.body = qbytes(history(1502));
    h.server.setResponse(good);
    const Bytes before = readBytes(h.dir.file("sa.rtl"));
    h.dialogs.answer(true);
    // The bar moves once per piece taken; Cancel lands part way through.
    auto *bar = h.child<QProgressBar>("ProgressBar1");
    connect(bar, &QProgressBar::valueChanged, this, [&h](int value) {
        if (value >= 10 && h.button("Command2")->isEnabled())
            QTest::mouseClick(h.button("Command2"), Qt::LeftButton);
    });

    QTest::mouseClick(h.button("Command1"), Qt::LeftButton);
    QTRY_VERIFY(h.button("Command1")->isEnabled());
    QVERIFY(bar->value() < 100);
    QCOMPARE(h.dialogs.texts(), std::vector<std::string> {download::failedQuestion()});
    QCOMPARE(h.status(), std::string(download::someFailedStatus));
    QVERIFY(readBytes(h.dir.file("sa.rtl")) == before);
    QCOMPARE(h.filesLeft(), QStringList {QStringLiteral("sa.rtl")});
}

void RdlTest::windowGoneMidDownloadLeavesTheHistory()
{
    Harness h(1500);
    ScriptedServer::Response slow;
    slow.body = qbytes(history(1502));
    slow.sendBytes = 100;
    slow.holdOpen = true;
    h.server.setResponse(slow);
    const Bytes before = readBytes(h.dir.file("sa.rtl"));
    QTest::mouseClick(h.button("Command1"), Qt::LeftButton);
    QTRY_VERIFY(h.server.bodyBytesSent() == slow.sendBytes);
    delete h.window.data();
    QVERIFY(readBytes(h.dir.file("sa.rtl")) == before);
    QCOMPARE(h.filesLeft(), QStringList {QStringLiteral("sa.rtl")});
}

void RdlTest::closeSetsDoneFlag()
{
    Harness h(3);
    QSignalSpy closed(h.window.data(), &ChildWindow::closed);
    QVERIFY(!h.state.downloaddone);
    QTest::mouseClick(h.button("Command3"), Qt::LeftButton);
    QVERIFY(h.state.downloaddone);
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(RdlTest)
#include "rdl_test.moc"
