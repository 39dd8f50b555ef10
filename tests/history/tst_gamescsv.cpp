#include "history/gamescsv.h"
#include "historytesting.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGamesCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileHasAHeaderAndOneLinePerGame();
    void namesAreQuotedAndNeverFormulas_data();
    void namesAreQuotedAndNeverFormulas();
};

void TestGamesCsv::fileHasAHeaderAndOneLinePerGame()
{
    GameRecord game = sampleGame(u"Zoë"_s, 312);
    game.id = 7;
    game.coachCost = CoachCost {12.5, 39};
    GameRecord unfinished = sampleGame(u"Ann"_s, 40, 20);
    unfinished.id = 8;
    unfinished.finished = false;
    unfinished.points = {};
    unfinished.upperBonus = 0;
    unfinished.extraBonus = 0;

    const QByteArray expected = "\xef\xbb\xbf"
                                "id,player,started_at,finished_at,finished,score,ones,twos,threes,"
                                "fours,fives,sixes,three_of_a_kind,four_of_a_kind,full_house,"
                                "small_straight,large_straight,chance,five_of_a_kind,upper_bonus,"
                                "extra_bonus,coach_cost,coach_choices\r\n"
                                "7,Zo\xc3\xab,2026-12-08T14:00:01.250Z,2026-12-08T14:05:01.250Z,1,"
                                "312,3,,,,,,,,,,,0,50,35,100,12.5,39\r\n"
                                "8,Ann,2026-12-08T14:20:01.250Z,2026-12-08T14:25:01.250Z,0,40,"
                                ",,,,,,,,,,,,,0,0,,\r\n";
    QCOMPARE(gamesCsv({game, unfinished}), expected);
}

void TestGamesCsv::namesAreQuotedAndNeverFormulas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("comma") << u"Ann, Bob"_s << QByteArray("\"Ann, Bob\"");
    QTest::newRow("quotes") << u"Ann \"Ace\""_s << QByteArray("\"Ann \"\"Ace\"\"\"");
    QTest::newRow("equals") << u"=HYPERLINK(1)"_s << QByteArray("'=HYPERLINK(1)");
    QTest::newRow("plus") << u"+1+1"_s << QByteArray("'+1+1");
    QTest::newRow("minus") << u"-2+3"_s << QByteArray("'-2+3");
    QTest::newRow("at") << u"@SUM(1)"_s << QByteArray("'@SUM(1)");
    QTest::newRow("formula and comma") << u"=1,2"_s << QByteArray("\"'=1,2\"");
    QTest::newRow("sign inside") << u"Ann=Bob"_s << QByteArray("Ann=Bob");
}

void TestGamesCsv::namesAreQuotedAndNeverFormulas()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, field);

    GameRecord game = sampleGame(name, 100);
    game.id = 1;
    const QByteArray line = gamesCsv({game}).split('\n').at(1);
    QVERIFY2(line.startsWith("1," + field + ",2026-"), line.constData());
}

QTEST_APPLESS_MAIN(TestGamesCsv)
#include "tst_gamescsv.moc"
