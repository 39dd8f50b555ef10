#include "game/game.h"
#include "gameplayer.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Thirteen turns of one roll each, scored in the order of the categories.
QString wholeGameText()
{
    QString text = u"v1 r12346"_s;
    for (int category = 0; category < CategoryCount; ++category)
        text += u" s%1 c"_s.arg(category) + (category + 1 < CategoryCount ? u" r12346"_s : u""_s);
    return text;
}

} // namespace

class TestGameLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replayedGameReachesTheSameState_data();
    void replayedGameReachesTheSameState();
    void textIsReadOnlyAsTheGameWouldPlayIt_data();
    void textIsReadOnlyAsTheGameWouldPlayIt();
};

void TestGameLog::replayedGameReachesTheSameState_data()
{
    QTest::addColumn<int>("moves");
    QTest::newRow("finished") << std::numeric_limits<int>::max();
    QTest::newRow("abandoned") << 45;
}

void TestGameLog::replayedGameReachesTheSameState()
{
    QFETCH(int, moves);
    processRandom().setSeed(99);
    RandomGenerator random(3);
    Game played;
    playRandomly(played, random, moves);

    const std::optional<GameLog> read = Game::readLog(played.log().toText());
    QVERIFY(read);
    QCOMPARE(*read, played.log());
    Game replayed;
    QVERIFY(replayed.replay(*read));
    QCOMPARE(replayed.position(), played.position());
    QCOMPARE(replayed.isOver(), played.isOver());
}

void TestGameLog::textIsReadOnlyAsTheGameWouldPlayIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::newRow("holds, a withdrawn choice and a commit")
            << u"v1 r12346 h1 h3 r15326 s11 u s0 c r22222"_s << true;
    QTest::newRow("a whole game") << wholeGameText() << true;

    QTest::newRow("empty") << QString() << false;
    QTest::newRow("no move") << u"v1"_s << false;
    QTest::newRow("another format") << u"v2 r12346"_s << false;
    QTest::newRow("a blank at the end") << u"v1 r12346 "_s << false;
    QTest::newRow("two blanks") << u"v1  r12346"_s << false;
    QTest::newRow("a die of 0") << u"v1 r12340"_s << false;
    QTest::newRow("four dice") << u"v1 r1234"_s << false;
    QTest::newRow("a digit of another script") << u"v1 r\u06612346"_s << false;
    QTest::newRow("die 6") << u"v1 r12346 h6"_s << false;
    QTest::newRow("category 13") << u"v1 r12346 s13"_s << false;
    QTest::newRow("a leading zero") << u"v1 r12346 s01"_s << false;
    QTest::newRow("an unknown move") << u"v1 r12346 x"_s << false;
    QTest::newRow("a hold before the first roll") << u"v1 h1 r12346"_s << false;
    QTest::newRow("a held die changed") << u"v1 r12346 h1 r22346"_s << false;
    QTest::newRow("a fourth roll") << u"v1 r12346 r12346 r12346 r12346"_s << false;
    QTest::newRow("a second selection") << u"v1 r12346 s0 s1"_s << false;
    QTest::newRow("un-select without a selection") << u"v1 r12346 u"_s << false;
    QTest::newRow("commit without a selection") << u"v1 r12346 c r12346"_s << false;
    QTest::newRow("a roll that skips the commit") << u"v1 r12346 s0 r12346"_s << false;
    QTest::newRow("a commit without its roll") << u"v1 r12346 s0 c"_s << false;
    QTest::newRow("a used category") << u"v1 r12346 s0 c r12346 s0"_s << false;
    QTest::newRow("a move after the end") << wholeGameText() + u" h1"_s << false;
}

// The text comes back from a file that the player may edit.
void TestGameLog::textIsReadOnlyAsTheGameWouldPlayIt()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    const std::optional<GameLog> log = Game::readLog(text);
    QCOMPARE(log.has_value(), read);
    if (log)
        QCOMPARE(log->toText(), text);
}

QTEST_GUILESS_MAIN(TestGameLog)
#include "tst_gamelog.moc"
