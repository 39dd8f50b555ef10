#include "gamewindowtesting.h"

class TestTurnCycle : public QObject, private GameWindowTesting
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { stop(); }

    void newGameRollsOnceAndGreetsThePlayer();
    void thirdRollRunsOutOfRollsUntilACategoryIsSelected();
    void secondSelectionIsRefusedAndChangesNothing();
    void heldDiceKeepTheirValuesAndTheRollStillCounts();
    void commitWithBonusShowsTheBonusAndNoRemark();
    void combinedBonusAddsExactly135();
    void thirteenthCommitEndsTheGame();
    void newGameInTheMiddleRestartsWithAllCategories();
    void onlyAScoreAboveTheHighestOpensTheRecordWindow_data();
    void onlyAScoreAboveTheHighestOpensTheRecordWindow();
    void seededGameDrawsAsItAlwaysHas_data();
    void seededGameDrawsAsItAlwaysHas();
};

void TestTurnCycle::newGameRollsOnceAndGreetsThePlayer()
{
    processRandom().setSeed(7);
    QTest::mouseClick(newGameButton(), Qt::LeftButton);
    QVERIFY(m_session->gameStarted());
    QVERIFY(!newGameButton()->isVisible());
    QVERIFY(rollButton()->isVisible() && rollButton()->isEnabled());
    QVERIFY(!unselectButton()->isEnabled());
    QCOMPARE(rollsLabel()->text(), QStringLiteral("1"));
    QCOMPARE(scoreLabel()->text(), QStringLiteral("0"));
    QVERIFY2(WelcomeTexts.contains(commentLabel()->text()), qPrintable(commentLabel()->text()));
    for (int i = 0; i < CategoryCount; ++i) {
        QVERIFY(categoryButton(Category(i))->isVisible());
        QVERIFY(categoryButton(Category(i))->isEnabled());
    }
    const DieFaceImages faces;
    for (int die = 0; die < 5; ++die) {
        QVERIFY(face(die)->hasPicture());
        const qint32 value = position().dice[std::size_t(die)];
        QCOMPARE(face(die)->picture(), faces.faceImage(value - 1));
    }

    roll({1, 2, 3, 4, 5});
    QVERIFY2(RemarkTexts.contains(commentLabel()->text()), qPrintable(commentLabel()->text()));
}

void TestTurnCycle::thirdRollRunsOutOfRollsUntilACategoryIsSelected()
{
    newGameAction()->trigger();
    roll({1, 1, 2, 2, 3});
    roll({3, 3, 4, 5, 6});
    QCOMPARE(rollsLabel()->text(), QStringLiteral("3"));
    QVERIFY(!rollButton()->isEnabled());
    QVERIFY(OutOfRollsTexts.contains(commentLabel()->text()));

    QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    QCOMPARE(commentLabel()->text(),
             QStringLiteral("If you select this item, your score will be +21 points. Press "
                            "\"ROLL\" to continue and keep this score."));
    QVERIFY(rollButton()->isEnabled());
    QVERIFY(unselectButton()->isEnabled());
    QVERIFY(categoryButton(Category::Chance)->isVisible()
            && !categoryButton(Category::Chance)->isEnabled());

    QTest::mouseClick(unselectButton(), Qt::LeftButton);
    QVERIFY(UnselectTexts.contains(commentLabel()->text()));
    QVERIFY(!rollButton()->isEnabled());
    QVERIFY(categoryButton(Category::Chance)->isEnabled());
    QCOMPARE(m_form->game().pendingPoints(), 0);

    QTest::mouseClick(categoryButton(Category::FullHouse), Qt::LeftButton);
    QVERIFY(commentLabel()->text().contains(QStringLiteral("+0 points")));
}

void TestTurnCycle::secondSelectionIsRefusedAndChangesNothing()
{
    newGameAction()->trigger();
    roll({6, 6, 6, 2, 2});
    QTest::mouseClick(categoryButton(Category::FullHouse), Qt::LeftButton);
    QCOMPARE(m_form->game().pendingPoints(), 25);
    QTest::mouseClick(categoryButton(Category::Sixes), Qt::LeftButton);
    QCOMPARE(commentLabel()->text(), Refusal);
    QCOMPARE(m_form->game().pendingPoints(), 25);
    QVERIFY(categoryButton(Category::Sixes)->isEnabled());
}

void TestTurnCycle::heldDiceKeepTheirValuesAndTheRollStillCounts()
{
    newGameAction()->trigger();
    roll({4, 4, 1, 2, 4});
    QTest::mousePress(face(0), Qt::LeftButton);
    QTest::mousePress(face(1), Qt::RightButton);
    QTest::mousePress(face(4), Qt::MiddleButton);
    QVERIFY(heldMarker(0)->isVisible() && heldMarker(1)->isVisible() && heldMarker(4)->isVisible());
    QVERIFY(!heldMarker(2)->isVisible());

    roll({4, 4, 6, 6, 4});
    QCOMPARE(position().dice, (Dice {4, 4, 6, 6, 4}));
    QCOMPARE(rollsLabel()->text(), QStringLiteral("3"));

    for (TransparentImage *die : {face(2), face(3)})
        QTest::mousePress(die, Qt::LeftButton);
    QTest::mousePress(face(0), Qt::LeftButton);
    QVERIFY(!heldMarker(0)->isVisible());
    QTest::mousePress(face(0), Qt::LeftButton);
    QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    roll({2, 2, 2, 2, 2});
    QVERIFY(!heldMarker(0)->isVisible() && !heldMarker(2)->isVisible());
    QCOMPARE(position().dice, (Dice {2, 2, 2, 2, 2}));

    // All five held: the values stay and the roll counts.
    for (int die = 0; die < 5; ++die)
        QTest::mousePress(face(die), Qt::LeftButton);
    processRandom().setSeed(99);
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QCOMPARE(position().dice, (Dice {2, 2, 2, 2, 2}));
    QCOMPARE(rollsLabel()->text(), QStringLiteral("2"));
}

void TestTurnCycle::commitWithBonusShowsTheBonusAndNoRemark()
{
    newGameAction()->trigger();
    const Dice sixes = {6, 6, 6, 6, 6};
    roll(sixes);
    selectAndCommit(Category::Sixes, {5, 5, 5, 5, 5}); // 30
    selectAndCommit(Category::Fives, {4, 4, 4, 4, 1}); // 55
    selectAndCommit(Category::Fours, {1, 2, 3, 4, 5}); // 71
    QCOMPARE(subTotalLabel()->text(), QStringLiteral("71"));
    QCOMPARE(scoreLabel()->text(), QStringLiteral("106"));
    const QStringList subTotalTexts
            = {QStringLiteral("Cool! You got the sub total bonus of +35 points!"),
               QStringLiteral("Your sub total is 71. Here is your +35 points bonus!"),
               QStringLiteral("+35 point bonus!!")};
    QVERIFY2(subTotalTexts.contains(commentLabel()->text()), qPrintable(commentLabel()->text()));
    QCOMPARE(rollsLabel()->text(), QStringLiteral("1"));
}

void TestTurnCycle::combinedBonusAddsExactly135()
{
    newGameAction()->trigger();
    roll({6, 6, 6, 6, 6});
    selectAndCommit(Category::FiveOfAKind, {5, 5, 5, 5, 1}); // 50, armed
    selectAndCommit(Category::Fives, {4, 4, 4, 4, 2}); // sub total 20
    selectAndCommit(Category::Fours, {6, 6, 6, 6, 6}); // 36
    QCOMPARE(scoreLabel()->text(), QStringLiteral("86"));
    selectAndCommit(Category::Sixes, {1, 2, 3, 4, 6}); // 66: +30 +135
    QCOMPARE(scoreLabel()->text(), QStringLiteral("251"));
    QCOMPARE(subTotalLabel()->text(), QStringLiteral("66"));
    const QStringList combinedTexts = {
            QStringLiteral("Whoa! Awesome bonus! You got both the extra quintox bonus and the sub "
                           "total bonus! +135 points!"),
            QStringLiteral("Extra quintox and sub total bonus have been added! Good job! +135 "
                           "points!")};
    QVERIFY(combinedTexts.contains(commentLabel()->text()));
}

void TestTurnCycle::thirteenthCommitEndsTheGame()
{
    newGameAction()->trigger();
    roll({1, 2, 3, 4, 6});
    for (int i = 0; i < CategoryCount; ++i) {
        QTest::mouseClick(categoryButton(Category(i)), Qt::LeftButton);
        roll({1, 2, 3, 4, 6});
        QVERIFY(!categoryButton(Category(i))->isVisible());
    }
    QCOMPARE(position().turnsScored, 13);
    QCOMPARE(rollsLabel()->text(), QStringLiteral("1"));
    QVERIFY(GameOverTexts.contains(commentLabel()->text()));
    QVERIFY(newGameButton()->isVisible() && newGameButton()->isEnabled());
    QVERIFY(!rollButton()->isVisible());
    QVERIFY(!unselectButton()->isEnabled());
    QVERIFY(menusEnabled());
    QTest::mousePress(face(1), Qt::LeftButton);
    QVERIFY(!heldMarker(1)->isVisible());
}

void TestTurnCycle::newGameInTheMiddleRestartsWithAllCategories()
{
    newGameAction()->trigger();
    roll({6, 6, 6, 6, 1});
    selectAndCommit(Category::Sixes, {1, 1, 2, 2, 3});
    QTest::mousePress(face(0), Qt::LeftButton);
    QTest::mouseClick(categoryButton(Category::Ones), Qt::LeftButton);
    QTest::keyClick(m_form.get(), Qt::Key_F2);
    QCOMPARE(scoreLabel()->text(), QStringLiteral("0"));
    QCOMPARE(rollsLabel()->text(), QStringLiteral("1"));
    QVERIFY(!selectionPending());
    QVERIFY(!heldMarker(0)->isVisible());
    for (int i = 0; i < CategoryCount; ++i)
        QVERIFY(categoryButton(Category(i))->isVisible()
                && categoryButton(Category(i))->isEnabled());
}

void TestTurnCycle::onlyAScoreAboveTheHighestOpensTheRecordWindow_data()
{
    QTest::addColumn<qint32>("highScore");
    QTest::addColumn<bool>("opens");
    // Thirteen turns of 1 2 3 4 6 score 16 in the upper section, 30 for the small straight and
    // 16 for chance: 62.
    QTest::newRow("one point more") << 61 << true;
    QTest::newRow("a tie") << 62 << false;
}

void TestTurnCycle::onlyAScoreAboveTheHighestOpensTheRecordWindow()
{
    QFETCH(qint32, highScore);
    QFETCH(bool, opens);
    m_session->setRecordScore(highScore);
    QString recorded;
    ModalAnswer<HighScoreWindow> answer([&](HighScoreWindow *window) {
        recorded = control<QLabel>(window, QStringLiteral("newScoreLabel"))->text();
        window->reject();
    });
    playThirteenTurns();
    QCOMPARE(scoreLabel()->text(), QStringLiteral("62"));
    QCOMPARE(answer.answered(), opens);
    QCOMPARE(recorded, opens ? QStringLiteral("62") : QString());
    QCOMPARE(highestScoreAction()->isEnabled(), opens);
    QTest::mousePress(face(0), Qt::LeftButton);
    QVERIFY(!heldMarker(0)->isVisible());
}

void TestTurnCycle::seededGameDrawsAsItAlwaysHas_data()
{
    QTest::addColumn<bool>("animated");
    QTest::addColumn<QString>("lastDice");
    QTest::addColumn<QString>("score");
    QTest::addColumn<std::uint32_t>("seedAtTheEnd");
    QTest::newRow("plain rolls") << false << QStringLiteral("56313") << QStringLiteral("30")
                                 << std::uint32_t(1262025923);
    QTest::newRow("animated rolls")
            << true << QStringLiteral("11655") << QStringLiteral("77") << std::uint32_t(3799334136);
}

// A whole game from one seed, with holds, a refused and a withdrawn choice on the way. The last
// dice, the score and the generator's state at the end pin every draw of the game, the
// animation's frames and the commentator's texts included, to the order they have always had.
void TestTurnCycle::seededGameDrawsAsItAlwaysHas()
{
    QFETCH(bool, animated);
    QFETCH(QString, lastDice);
    QFETCH(QString, score);
    QFETCH(std::uint32_t, seedAtTheEnd);
    animationAction()->setChecked(animated);
    RandomGenerator moves(5);
    processRandom().setSeed(2024);
    newGameAction()->trigger();
    for (int turn = 0; turn < TurnsPerGame; ++turn) {
        while (rollButton()->isEnabled() && moves.next(3) != 0) {
            for (int die = 0; die < 5; ++die) {
                if (moves.next(3) == 0)
                    QTest::mousePress(face(die), Qt::LeftButton);
            }
            QTest::mouseClick(rollButton(), Qt::LeftButton);
        }
        QList<Category> open;
        for (int i = 0; i < CategoryCount; ++i) {
            if (categoryButton(Category(i))->isVisible())
                open.append(Category(i));
        }
        const Category chosen = open.at(moves.next(int(open.size())));
        QTest::mouseClick(categoryButton(chosen), Qt::LeftButton);
        if (open.size() > 1 && moves.next(3) == 0) {
            open.removeOne(chosen);
            QTest::mouseClick(categoryButton(open.first()), Qt::LeftButton);
            QTest::mouseClick(unselectButton(), Qt::LeftButton);
            QTest::mouseClick(categoryButton(chosen), Qt::LeftButton);
        }
        QTest::mouseClick(rollButton(), Qt::LeftButton);
    }
    QString dice;
    for (qint32 value : position().dice)
        dice += QString::number(value);
    QVERIFY(newGameButton()->isVisible());
    QCOMPARE(dice, lastDice);
    QCOMPARE(scoreLabel()->text(), score);
    QCOMPARE(processRandom().seed(), seedAtTheEnd);
}

QTEST_MAIN(TestTurnCycle)
#include "tst_turncycle.moc"
