// Wheels are made for today's game: its highest ball, a group suggested from
// its draws, the group checked against it.
#include "wheels/wheel6.h"

#include "core/game.h"
#include "tests/support/installation.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace pickwise;
using namespace pickwise::testing;

namespace {

// Three draws of 6 of 49 holding 1..7 and one of 6 of 52 holding 40..52 apart
// from its bonus; the first type's group of seven is suggested on opening.
struct WheelOn : Installation
{
    explicit WheelOn(Date today) : Installation(today)
    {
        history({drawRecord(4, 1, {2017, 7, 22}, {1, 2, 3, 4, 5, 6, 7}),
            drawRecord(0, 2, {2017, 7, 26}, {1, 2, 3, 4, 5, 6, 7}),
            drawRecord(0, 3, {2017, 7, 29}, {1, 2, 3, 4, 5, 6, 7}),
            drawRecord(0, 4, {2017, 8, 2}, {47, 48, 49, 50, 51, 52, 1})});
        std::filesystem::create_directory(programFile("wheels"));
        const std::string lines = "01 02 03 04 05 06\n01 02 03 04 05 07\n01 02 03 04 06 07\n"
                                  "01 02 03 05 06 07\n01 02 04 05 06 07\n01 03 04 05 06 07\n"
                                  "02 03 04 05 06 07\n";
        writeBytes(programFile("wheels/6-6-6-7.whl"), {lines.begin(), lines.end()});
        window = std::make_unique<wheel6>(context, session.wheelGame(today));
    }
    QLineEdit *box(int i) const
    {
        return window->findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i));
    }
    // Whether the suggested group of seven holds these balls (the seventh is
    // a random one).
    bool suggests(const QStringList &balls) const
    {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts << box(i)->text();
        for (const QString &b : balls)
            if (!texts.contains(b))
                return false;
        return true;
    }
    void save(const QStringList &balls)
    {
        for (int i = 0; i < balls.size(); ++i)
            box(i)->setText(balls[i]);
        window->findChild<QAbstractButton *>(QStringLiteral("Command3"))->click();
    }

    std::unique_ptr<wheel6> window;
};

} // namespace

class WheelGameTest : public QObject
{
    Q_OBJECT

private slots:
    void todaysGameMakesTheWheel()
    {
        const std::vector<std::string> range {"One or more of your numbers are out of range!"};
        const std::vector<std::string> done {"Done!"};
        const QStringList with52 {"52", "3", "17", "9", "40", "22", "31"};
        {
            WheelOn w({2017, 8, 1});
            QCOMPARE(w.session.wheelGame({2017, 8, 1}).maxball, 49);
            // The most drawn of the 6 of 49 draws.
            QVERIFY(w.suggests({"1", "2", "3", "4", "5", "6"}));
            w.save(with52);
            QCOMPARE(w.dialogs.texts(), range);
        }
        WheelOn w({2017, 8, 2});
        QCOMPARE(w.session.wheelGame({2017, 8, 2}).maxball, 52);
        // The six main numbers of the one 6 of 52 draw come first.
        QVERIFY(w.suggests({"47", "48", "49", "50", "51", "52"}));
        w.save(with52);
        QCOMPARE(w.dialogs.texts(), done);
        w.dialogs.clear();
        w.save({"53", "3", "17", "9", "40", "22", "31"});
        QCOMPARE(w.dialogs.texts(), range);
    }
};

QTEST_MAIN(WheelGameTest)
#include "wheelgame_test.moc"
