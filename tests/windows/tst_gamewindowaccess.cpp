#include "gamewindowtesting.h"

class TestGameWindowAccess : public QObject, private GameWindowTesting
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { stop(); }

    void onesAndTwosAnswerEveryActivationOnce_data();
    void onesAndTwosAnswerEveryActivationOnce();
    void otherCategoriesAnswerClicksAndTheKeyboardOnly();
    void numberKeysHoldDiceUnderTheRulesOfAClick();
    void altLettersActAtOnceInTheOrderOfKeysAndClicks_data();
    void altLettersActAtOnceInTheOrderOfKeysAndClicks();
    void focusNeverLandsWhereSpaceChangesTheGame_data();
    void focusNeverLandsWhereSpaceChangesTheGame();
    void screenReadersHearTheDiceAndTheLabels();
    void commentatorShowsANameAsTypedNotAsMarkup();
    void diceHoldOnTheKeyboardAndTheirActionUnlessRolling_data();
    void diceHoldOnTheKeyboardAndTheirActionUnlessRolling();
    void eachRollIsAnnouncedOnceWithItsSettledDice();
};

void TestGameWindowAccess::onesAndTwosAnswerEveryActivationOnce_data()
{
    QTest::addColumn<Category>("category");
    QTest::addColumn<Activation>("activation");
    QTest::addColumn<qint32>("points");
    QTest::newRow("Ones, left click") << Category::Ones << Activation::LeftClick << 3;
    QTest::newRow("Ones, right press") << Category::Ones << Activation::RightPress << 3;
    QTest::newRow("Twos, middle press") << Category::Twos << Activation::MiddlePress << 2;
    QTest::newRow("Ones, Space") << Category::Ones << Activation::Space << 3;
    QTest::newRow("Twos, Press action") << Category::Twos << Activation::PressAction << 2;
}

// Without a mouse, Ones and Twos still score; a click's release never acts a second time.
void TestGameWindowAccess::onesAndTwosAnswerEveryActivationOnce()
{
    QFETCH(Category, category);
    QFETCH(Activation, activation);
    QFETCH(qint32, points);
    newGameAction()->trigger();
    roll({1, 1, 1, 2, 3});
    auto *button = static_cast<PressButton *>(categoryButton(category));
    QSignalSpy activations(button, &PressButton::activated);

    QTest::mouseClick(categoryButton(Category::Threes), Qt::LeftButton);
    activate(button, activation);
    QTRY_COMPARE(activations.count(), 1);
    QCOMPARE(commentLabel()->text(), Refusal);
    QCOMPARE(m_form->game().pendingPoints(), 3);

    QTest::mouseClick(unselectButton(), Qt::LeftButton);
    activate(button, activation);
    QTRY_VERIFY(!button->isEnabled());
    QCOMPARE(m_form->game().pendingPoints(), points);
    QCOMPARE(activations.count(), 2);
}

void TestGameWindowAccess::otherCategoriesAnswerClicksAndTheKeyboardOnly()
{
    newGameAction()->trigger();
    roll({3, 3, 3, 1, 2});
    QTest::mouseClick(categoryButton(Category::Threes), Qt::RightButton);
    QVERIFY(!selectionPending());
    categoryButton(Category::Threes)->setFocus();
    QTest::keyClick(categoryButton(Category::Threes), Qt::Key_Space);
    QVERIFY(selectionPending());
    QCOMPARE(m_form->game().pendingPoints(), 9);
}

void TestGameWindowAccess::numberKeysHoldDiceUnderTheRulesOfAClick()
{
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QVERIFY(!heldMarker(0)->isVisible());

    newGameAction()->trigger();
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QTest::keyClick(m_form.get(), Qt::Key_5);
    QVERIFY(position().isHeld(0) && position().isHeld(4));
    QVERIFY(heldMarker(0)->isVisible() && heldMarker(4)->isVisible());
    QTest::keyClick(m_form.get(), Qt::Key_5);
    QVERIFY(!heldMarker(4)->isVisible());
    // A key held down toggles once: its repeats do nothing.
    QTest::simulateEvent(m_form.get(), true, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
    QVERIFY(heldMarker(0)->isVisible());

    animationAction()->trigger();
    bool tried = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        QTest::keyClick(m_form.get(), Qt::Key_3);
        tried = true;
    });
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(tried);
    QVERIFY(!position().isHeld(2));

    // The keys never choose Ones or Twos.
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QVERIFY(!selectionPending());
}

void TestGameWindowAccess::altLettersActAtOnceInTheOrderOfKeysAndClicks_data()
{
    QTest::addColumn<AltKeyRace>("race");
    QTest::addColumn<QString>("rolls");
    QTest::addColumn<int>("faceChanges");
    QTest::newRow("Alt+R, then Un-Select after the third roll")
            << AltKeyRace::UnSelectAfterAltR << QStringLiteral("1") << 5;
    QTest::newRow("Alt+R, then a click on ROLL")
            << AltKeyRace::RollClickAfterAltR << QStringLiteral("3") << 2 * 152;
    QTest::newRow("Alt+N, then F2 at game over")
            << AltKeyRace::NewGameKeyAfterAltN << QStringLiteral("1") << 2 * 152;
    QTest::newRow("Alt+R inside a roll")
            << AltKeyRace::AltRInsideARoll << QStringLiteral("2") << 152;
}

// Qt's own buttons click a tenth of a second after their Alt+letter, so that a click made in
// between acted first.
void TestGameWindowAccess::altLettersActAtOnceInTheOrderOfKeysAndClicks()
{
    QFETCH(AltKeyRace, race);
    QFETCH(QString, rolls);
    QFETCH(int, faceChanges);
    if (race == AltKeyRace::UnSelectAfterAltR) {
        newGameAction()->trigger();
        roll({1, 1, 2, 2, 3});
        roll({3, 3, 4, 5, 6});
        QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    } else if (race == AltKeyRace::NewGameKeyAfterAltN) {
        playThirteenTurns();
    } else {
        newGameAction()->trigger();
    }
    animationAction()->setChecked(race != AltKeyRace::UnSelectAfterAltR);
    const int changesBefore = m_form->diceDisplay().faceChanges();

    switch (race) {
    case AltKeyRace::UnSelectAfterAltR:
        QTest::keyClick(m_form.get(), Qt::Key_R, Qt::AltModifier);
        QTest::mouseClick(unselectButton(), Qt::LeftButton);
        QCOMPARE(position().score, 21);
        break;
    case AltKeyRace::RollClickAfterAltR:
        QTest::keyClick(m_form.get(), Qt::Key_R, Qt::AltModifier);
        QTest::mouseClick(rollButton(), Qt::LeftButton);
        break;
    case AltKeyRace::NewGameKeyAfterAltN:
        QTest::keyClick(m_form.get(), Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(m_form.get(), Qt::Key_F2);
        break;
    case AltKeyRace::AltRInsideARoll:
        QTimer::singleShot(0, m_form.get(),
                           [&] { QTest::keyClick(m_form.get(), Qt::Key_R, Qt::AltModifier); });
        QTest::mouseClick(rollButton(), Qt::LeftButton);
        break;
    }

    QCOMPARE(rollsLabel()->text(), rolls);
    QCOMPARE(m_form->diceDisplay().faceChanges() - changesBefore, faceChanges);
    // No click is left on its way.
    QVERIFY(!rollButton()->isDown() && !newGameButton()->isDown());
    QVERIFY(!m_form->isRolling());
}

void TestGameWindowAccess::focusNeverLandsWhereSpaceChangesTheGame_data()
{
    QTest::addColumn<bool>("animated");
    QTest::newRow("plain rolls") << false;
    QTest::newRow("animated rolls") << true;
}

// Space on New Game and ROLL plays a turn's rolls; when ROLL runs out, the focus goes to the
// commentator's message: Space changes nothing there and Tab goes on from ROLL's place. Space on
// Un-Select leaves it there as well.
void TestGameWindowAccess::focusNeverLandsWhereSpaceChangesTheGame()
{
    QFETCH(bool, animated);
    animationAction()->setChecked(animated);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    newGameButton()->setFocus();
    QTest::keyClick(newGameButton(), Qt::Key_Space);
    QCOMPARE(m_form->focusWidget(), rollButton());
    QTest::keyClick(rollButton(), Qt::Key_Space);
    QCOMPARE(m_form->focusWidget(), rollButton());
    QTest::keyClick(rollButton(), Qt::Key_Space);
    QCOMPARE(rollsLabel()->text(), QStringLiteral("3"));
    QCOMPARE(m_form->focusWidget(), commentLabel());

    QTest::keyClick(commentLabel(), Qt::Key_Space);
    QCOMPARE(position().held, HeldDice {});
    QVERIFY(!selectionPending());
    QTest::keyClick(commentLabel(), Qt::Key_Tab);
    QCOMPARE(m_form->focusWidget(), categoryButton(Category::Ones));

    QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    unselectButton()->setFocus();
    QTest::keyClick(unselectButton(), Qt::Key_Space);
    QVERIFY(!selectionPending());
    QCOMPARE(m_form->focusWidget(), commentLabel());
    QTest::keyClick(commentLabel(), Qt::Key_Space);
    QCOMPARE(position().held, HeldDice {});
}

void TestGameWindowAccess::screenReadersHearTheDiceAndTheLabels()
{
    const auto spoken = [](QWidget *widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    };
    QCOMPARE(spoken(face(2)), QStringLiteral("Die 3"));
    QCOMPARE(spoken(face(2), QAccessible::Description), QStringLiteral("Click to HOLD"));

    newGameAction()->trigger();
    roll({2, 4, 5, 1, 6});
    QCOMPARE(spoken(face(2)), QStringLiteral("Die 3: 5"));
    QTest::mousePress(face(2), Qt::LeftButton);
    QCOMPARE(spoken(face(2)), QStringLiteral("Die 3: 5, held"));
    roll({2, 4, 5, 3, 3});
    QCOMPARE(spoken(face(4)), QStringLiteral("Die 5: 3"));
    QCOMPARE(spoken(face(2)), QStringLiteral("Die 3: 5, held"));

    QCOMPARE(spoken(rollsLabel()), QStringLiteral("Rolls: 3"));
    QCOMPARE(spoken(scoreLabel()), QStringLiteral("Score: 0"));
    QCOMPARE(spoken(subTotalLabel()), QStringLiteral("Sub total: 0"));
    QVERIFY(spoken(commentLabel()).startsWith(QStringLiteral("CPU says: ")));
    QCOMPARE(spoken(categoryButton(Category::SmallStraight)), QStringLiteral("Small Straight"));
    QCOMPARE(spoken(categoryButton(Category::FiveOfAKind), QAccessible::Description),
             QStringLiteral("Score this turn as Tovik!"));

    QTest::mouseClick(categoryButton(Category::Threes), Qt::LeftButton);
    roll({1, 1, 1, 1, 2});
    QCOMPARE(spoken(face(2)), QStringLiteral("Die 3: 1"));
    QCOMPARE(spoken(scoreLabel()), QStringLiteral("Score: 6"));
}

void TestGameWindowAccess::commentatorShowsANameAsTypedNotAsMarkup()
{
    m_session->setPlayerName(QStringLiteral("<b>Al</b>"));
    std::uint32_t seed = 0;
    while (RandomGenerator(seed).next(3) == 0) // the one welcome without the name
        ++seed;
    processRandom().setSeed(seed);
    newGameAction()->trigger();
    QVERIFY(commentLabel()->text().contains(m_session->playerName()));
    QCOMPARE(commentLabel()->textFormat(), Qt::PlainText);
}

void TestGameWindowAccess::diceHoldOnTheKeyboardAndTheirActionUnlessRolling_data()
{
    QTest::addColumn<Activation>("activation");
    QTest::newRow("Space") << Activation::Space;
    QTest::newRow("Toggle hold") << Activation::PressAction;
}

void TestGameWindowAccess::diceHoldOnTheKeyboardAndTheirActionUnlessRolling()
{
    QFETCH(Activation, activation);
    const auto actions = QAccessible::queryAccessibleInterface(face(2))->actionInterface();
    QCOMPARE(actions->actionNames().first(), QStringLiteral("Toggle hold"));
    QVERIFY(face(2)->focusPolicy() & Qt::TabFocus);

    activate(face(2), activation);
    QVERIFY(!position().isHeld(2));
    newGameAction()->trigger();
    activate(face(2), activation);
    QVERIFY(position().isHeld(2) && heldMarker(2)->isVisible());
    activate(face(2), activation);
    QVERIFY(!position().isHeld(2));

    animationAction()->trigger();
    bool tried = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        activate(face(3), activation);
        tried = true;
    });
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(tried);
    QVERIFY(!position().isHeld(3));
}

// A screen reader hears a roll once the dice settle, in one announcement together with what the
// CPU said, and the dice's names change once each, never with the animation's frames.
void TestGameWindowAccess::eachRollIsAnnouncedOnceWithItsSettledDice()
{
    QSignalSpy announcements(child<Announcer>(QStringLiteral("announcer")), &Announcer::announced);
    animationAction()->trigger();
    newGameAction()->trigger();
    QTRY_COMPARE(announcements.count(), 1);
    QVERIFY(announcements.first().first().toString().startsWith(QStringLiteral("Animation on.")));
    QTest::mousePress(face(1), Qt::LeftButton);

    QSet<QString> namesWhileRolling;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        if (m_form->isRolling())
            namesWhileRolling.insert(
                    QAccessible::queryAccessibleInterface(face(4))->text(QAccessible::Name));
    });
    sampler.start(0);
    announcements.clear();
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    sampler.stop();
    QTRY_COMPARE(announcements.count(), 1);
    QCOMPARE(namesWhileRolling.size(), 1);

    const Dice &dice = position().dice;
    const QString spoken = announcements.first().first().toString();
    QVERIFY2(spoken.startsWith(QStringLiteral("Rolled %1, %2, %3, %4, %5; die 2 held.")
                                       .arg(dice[0])
                                       .arg(dice[1])
                                       .arg(dice[2])
                                       .arg(dice[3])
                                       .arg(dice[4])),
             qPrintable(spoken));
    QVERIFY(spoken.endsWith(commentLabel()->text()));

    // Choosing a category says its points; the next roll starts with the new score.
    QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    QTRY_COMPARE(announcements.count(), 2);
    QCOMPARE(announcements.last().first().toString(), commentLabel()->text());
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QTRY_COMPARE(announcements.count(), 3);
    QVERIFY(announcements.last().first().toString().startsWith(
            QStringLiteral("Score: %1. Rolled ").arg(position().score)));
}

QTEST_MAIN(TestGameWindowAccess)
#include "tst_gamewindowaccess.moc"
