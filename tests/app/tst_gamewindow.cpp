#include "app/gamewindow.h"
#include "app/pressbutton.h"
#include "game/random.h"
#include "game/rollpacing.h"
#include "players/highscorewindow.h"
#include "players/sharedstate.h"
#include "widgets/announcer.h"
#include "widgets/dieface.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QStringList WelcomeTexts
        = {QStringLiteral("Hey there! Welcome to Tovik!"),
           QStringLiteral("Hey, Ann! My name is CPU ... I will be assisting you."),
           QStringLiteral("Ann ... art thou ready for some hardcore Tovik playing?")};
const QStringList OutOfRollsTexts
        = {QStringLiteral("Ack! No more turns left! Please select your score from the remaining "
                          "items below."),
           QStringLiteral("WHAT IS THIS?! No more rolls?! Oh well, choose your score.")};
const QStringList RemarkTexts
        = {QStringLiteral("Woohoo you can do a lot with that! Trust me ... tehe."),
           QStringLiteral("...just don't mess up what you are aiming towards!"),
           QStringLiteral("Aren't quintox games like this fun?"),
           QStringLiteral("I'm starting to get excited!"),
           QStringLiteral("I hope you're listening to me!")};
const QStringList GameOverTexts = {QStringLiteral("Game Over."),
                                   QStringLiteral("Finally this game is over! See you later!"),
                                   QStringLiteral("Nice game ... shall we play again?")};
const QStringList UnselectTexts = {
        QStringLiteral("Wait a minute... are you SURE you do not want that item for your score?"),
        QStringLiteral("Heh."), QStringLiteral("I might have done that... then again, maybe not.")};
const QString Refusal
        = QStringLiteral("To select a different item, you must click \"Un-Select Item\" first.");

// The seed that makes the next plain roll, with these dice held, show the wanted values on the
// free dice. A message drawn from messageChoices texts may come first. The search is
// deterministic, so every run uses the same seeds.
std::uint32_t seedForRoll(const Dice &wanted, const std::array<quint8, 5> &held = {},
                          int messageChoices = 0)
{
    for (std::uint32_t seed = 0;; ++seed) {
        RandomGenerator generator(seed);
        if (messageChoices > 0)
            generator.next(messageChoices);
        bool matches = true;
        for (std::size_t die = 0; die < wanted.size() && matches; ++die) {
            if (!held[die])
                matches = generator.next(6) + 1 == wanted[die];
        }
        if (matches)
            return seed;
    }
}

// What the player does between an Alt+letter press and the click that Qt delivers late for it.
enum class LateClickRace { UnSelectAfterAltR, RollClickAfterAltR, NewGameKeyAfterAltN };

// The ways a player without a mouse, or with one, sets off a control.
enum class Activation { LeftClick, RightPress, MiddlePress, Space, PressAction };

} // namespace

Q_DECLARE_METATYPE(LateClickRace)
Q_DECLARE_METATYPE(Activation)

class TestGameWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsBeforeTheFirstGame();
    void newGameRollsOnceAndGreetsThePlayer();
    void thirdRollRunsOutOfRollsUntilACategoryIsSelected();
    void secondSelectionIsRefusedAndChangesNothing();
    void onesAndTwosAnswerEveryActivationOnce_data();
    void onesAndTwosAnswerEveryActivationOnce();
    void otherCategoriesAnswerClicksAndTheKeyboardOnly();
    void heldDiceKeepTheirValuesAndTheRollStillCounts();
    void commitWithBonusShowsTheBonusAndNoRemark();
    void combinedBonusAddsExactly135();
    void thirteenthCommitEndsTheGame();
    void newGameInTheMiddleRestartsWithAllCategories();
    void menuItemsOpenTheirWindowsModally_data();
    void menuItemsOpenTheirWindowsModally();
    void onlyAScoreAboveTheHighestOpensTheRecordWindow_data();
    void onlyAScoreAboveTheHighestOpensTheRecordWindow();
    void animatedRollLocksTheWindowWhileTheDiceTumble();
    void animatedRollChangesFacesAsManyTimesAsItHasSteps_data();
    void animatedRollChangesFacesAsManyTimesAsItHasSteps();
    void animatedThirdRollLeavesRollDisabled();
    void facesShowTheBackgroundInTheirCorners();
    void backgroundIsBandedFromAquaToBlue();
    void cpuStandsOnTheBaselineOfItsLayout();
    void numberKeysHoldDiceUnderTheRulesOfAClick();
    void lateAltClickActsOnlyOnALiveButtonAndNeverInsideARoll_data();
    void lateAltClickActsOnlyOnALiveButtonAndNeverInsideARoll();
    void screenReadersHearTheDiceAndTheLabels();
    void commentatorShowsANameAsTypedNotAsMarkup();
    void diceHoldOnTheKeyboardAndTheirActionUnlessRolling_data();
    void diceHoldOnTheKeyboardAndTheirActionUnlessRolling();
    void eachRollIsAnnouncedOnceWithItsSettledDice();
    void menuItemsTriggeredDuringARollDoNothing_data();
    void menuItemsTriggeredDuringARollDoNothing();

private:
    void roll(const Dice &wanted);
    void selectAndCommit(Category category, const Dice &nextRoll);
    void playThirteenTurns();
    bool menusEnabled() const;
    TransparentImage *image(int die) const;
    static void activate(QWidget *widget, Activation activation);

    std::unique_ptr<GameWindow> m_form;
};

void TestGameWindow::init()
{
    RollPacing::setEnabled(false);
    currentPlayerName = QStringLiteral("Ann");
    highestScore = 1000000; // games end without a record unless a test asks for one
    gradientStartColor = Colors::Aqua;
    gradientEndColor = Colors::Blue;
    m_form = std::make_unique<GameWindow>();
    theGameWindow = m_form.get();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestGameWindow::cleanup()
{
    theGameWindow = nullptr;
    m_form.reset();
}

void TestGameWindow::roll(const Dice &wanted)
{
    // A commit clears every hold; the third roll of a turn announces itself before the dice move.
    const GameState &game = m_form->game();
    const bool thirdRoll = !game.categorySelected && game.rollCount == 2;
    const std::array<quint8, 5> held
            = game.categorySelected ? std::array<quint8, 5>{} : game.heldDice;
    processRandom().setSeed(seedForRoll(wanted, held, thirdRoll ? 2 : 0));
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
}

void TestGameWindow::selectAndCommit(Category category, const Dice &nextRoll)
{
    QTest::mouseClick(m_form->categoryButton(category), Qt::LeftButton);
    QVERIFY(m_form->game().categorySelected);
    roll(nextRoll);
}

// Every turn rolls 1 2 3 4 6 once and scores the next category, to the end of the game.
void TestGameWindow::playThirteenTurns()
{
    m_form->newGameAction->trigger();
    roll({1, 2, 3, 4, 6});
    for (int i = 0; i < CategoryCount; ++i) {
        QTest::mouseClick(m_form->categoryButton(Category(i)), Qt::LeftButton);
        roll({1, 2, 3, 4, 6});
    }
}

bool TestGameWindow::menusEnabled() const
{
    return m_form->gameMenu->menuAction()->isEnabled()
            && m_form->optionsMenu->menuAction()->isEnabled()
            && m_form->helpMenu->menuAction()->isEnabled();
}

TransparentImage *TestGameWindow::image(int die) const
{
    return std::array{m_form->die1, m_form->die2, m_form->die3, m_form->die4,
                      m_form->die5}[std::size_t(die)];
}

void TestGameWindow::activate(QWidget *widget, Activation activation)
{
    switch (activation) {
    case Activation::LeftClick:
        QTest::mouseClick(widget, Qt::LeftButton);
        break;
    case Activation::RightPress:
        QTest::mousePress(widget, Qt::RightButton);
        break;
    case Activation::MiddlePress:
        QTest::mousePress(widget, Qt::MiddleButton);
        break;
    case Activation::Space:
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Space);
        break;
    case Activation::PressAction: {
        QAccessibleActionInterface *actions
                = QAccessible::queryAccessibleInterface(widget)->actionInterface();
        const QStringList names = actions->actionNames();
        QVERIFY(!names.isEmpty());
        actions->doAction(names.first());
        break;
    }
    }
}

void TestGameWindow::controlsBeforeTheFirstGame()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tovik v2"));
    QCOMPARE(m_form->centralWidget()->size(), QSize(600, 400));
    QVERIFY(m_form->newGameButton->isVisible() && m_form->newGameButton->isEnabled());
    QVERIFY(!m_form->rollButton->isVisible());
    QVERIFY(m_form->unselectButton->isVisible() && !m_form->unselectButton->isEnabled());
    for (int i = 0; i < CategoryCount; ++i)
        QVERIFY(!m_form->categoryButton(Category(i))->isVisible());
    QVERIFY(!m_form->heldMarker1->isVisible());
    QVERIFY(!m_form->die1->hasPicture());
    QVERIFY(menusEnabled());
    QVERIFY(!m_form->highestScoreAction->isEnabled());
    QVERIFY(!m_form->animationAction->isChecked());
    QCOMPARE(m_form->commentLabel->text(), QStringLiteral("Click new game to play!!"));

    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QVERIFY(!m_form->heldMarker1->isVisible());
}

void TestGameWindow::newGameRollsOnceAndGreetsThePlayer()
{
    processRandom().setSeed(7);
    QTest::mouseClick(m_form->newGameButton, Qt::LeftButton);
    QVERIFY(gameStarted);
    QVERIFY(!m_form->newGameButton->isVisible());
    QVERIFY(m_form->rollButton->isVisible() && m_form->rollButton->isEnabled());
    QVERIFY(!m_form->unselectButton->isEnabled());
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("1"));
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("0"));
    QVERIFY2(WelcomeTexts.contains(m_form->commentLabel->text()),
             qPrintable(m_form->commentLabel->text()));
    for (int i = 0; i < CategoryCount; ++i) {
        QVERIFY(m_form->categoryButton(Category(i))->isVisible());
        QVERIFY(m_form->categoryButton(Category(i))->isEnabled());
    }
    for (int die = 0; die < 5; ++die) {
        QVERIFY(image(die)->hasPicture());
        const qint32 value = m_form->game().diceValues[std::size_t(die)];
        QCOMPARE(image(die)->picture(), m_form->dieFaceImages.faceImage(value - 1));
    }

    roll({1, 2, 3, 4, 5});
    QVERIFY2(RemarkTexts.contains(m_form->commentLabel->text()),
             qPrintable(m_form->commentLabel->text()));
}

void TestGameWindow::thirdRollRunsOutOfRollsUntilACategoryIsSelected()
{
    m_form->newGameAction->trigger();
    roll({1, 1, 2, 2, 3});
    roll({3, 3, 4, 5, 6});
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("3"));
    QVERIFY(!m_form->rollButton->isEnabled());
    QVERIFY(OutOfRollsTexts.contains(m_form->commentLabel->text()));

    QTest::mouseClick(m_form->chanceButton, Qt::LeftButton);
    QCOMPARE(m_form->commentLabel->text(),
             QStringLiteral("If you select this item, your score will be +21 points. Press "
                            "\"ROLL\" to continue and keep this score."));
    QVERIFY(m_form->rollButton->isEnabled());
    QVERIFY(m_form->unselectButton->isEnabled());
    QVERIFY(m_form->chanceButton->isVisible() && !m_form->chanceButton->isEnabled());

    QTest::mouseClick(m_form->unselectButton, Qt::LeftButton);
    QVERIFY(UnselectTexts.contains(m_form->commentLabel->text()));
    QVERIFY(!m_form->rollButton->isEnabled());
    QVERIFY(m_form->chanceButton->isEnabled());
    QCOMPARE(m_form->game().pendingPoints, 0);

    QTest::mouseClick(m_form->fullHouseButton, Qt::LeftButton);
    QVERIFY(m_form->commentLabel->text().contains(QStringLiteral("+0 points")));
}

void TestGameWindow::secondSelectionIsRefusedAndChangesNothing()
{
    m_form->newGameAction->trigger();
    roll({6, 6, 6, 2, 2});
    QTest::mouseClick(m_form->fullHouseButton, Qt::LeftButton);
    QCOMPARE(m_form->game().pendingPoints, 25);
    QTest::mouseClick(m_form->sixesButton, Qt::LeftButton);
    QCOMPARE(m_form->commentLabel->text(), Refusal);
    QCOMPARE(m_form->game().pendingPoints, 25);
    QCOMPARE(m_form->game().pendingSubTotalPoints, 0);
    QVERIFY(m_form->sixesButton->isEnabled());
}

void TestGameWindow::onesAndTwosAnswerEveryActivationOnce_data()
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
void TestGameWindow::onesAndTwosAnswerEveryActivationOnce()
{
    QFETCH(Category, category);
    QFETCH(Activation, activation);
    QFETCH(qint32, points);
    m_form->newGameAction->trigger();
    roll({1, 1, 1, 2, 3});
    auto *button = static_cast<PressButton *>(m_form->categoryButton(category));
    QSignalSpy activations(button, &PressButton::activated);

    QTest::mouseClick(m_form->threesButton, Qt::LeftButton);
    activate(button, activation);
    QTRY_COMPARE(activations.count(), 1);
    QCOMPARE(m_form->commentLabel->text(), Refusal);
    QCOMPARE(m_form->game().pendingPoints, 3);

    QTest::mouseClick(m_form->unselectButton, Qt::LeftButton);
    activate(button, activation);
    QTRY_VERIFY(!button->isEnabled());
    QCOMPARE(m_form->game().pendingPoints, points);
    QCOMPARE(activations.count(), 2);
}

void TestGameWindow::otherCategoriesAnswerClicksAndTheKeyboardOnly()
{
    m_form->newGameAction->trigger();
    roll({3, 3, 3, 1, 2});
    QTest::mouseClick(m_form->threesButton, Qt::RightButton);
    QVERIFY(!m_form->game().categorySelected);
    m_form->threesButton->setFocus();
    QTest::keyClick(m_form->threesButton, Qt::Key_Space);
    QVERIFY(m_form->game().categorySelected);
    QCOMPARE(m_form->game().pendingPoints, 9);
}

void TestGameWindow::heldDiceKeepTheirValuesAndTheRollStillCounts()
{
    m_form->newGameAction->trigger();
    roll({4, 4, 1, 2, 4});
    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QTest::mousePress(m_form->die2, Qt::RightButton);
    QTest::mousePress(m_form->die5, Qt::MiddleButton);
    QVERIFY(m_form->heldMarker1->isVisible() && m_form->heldMarker2->isVisible()
            && m_form->heldMarker5->isVisible());
    QVERIFY(!m_form->heldMarker3->isVisible());

    roll({4, 4, 6, 6, 4});
    QCOMPARE(m_form->game().diceValues, (Dice{4, 4, 6, 6, 4}));
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("3"));

    for (TransparentImage *die : {m_form->die3, m_form->die4})
        QTest::mousePress(die, Qt::LeftButton);
    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QVERIFY(!m_form->heldMarker1->isVisible());
    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QTest::mouseClick(m_form->chanceButton, Qt::LeftButton);
    roll({2, 2, 2, 2, 2});
    QVERIFY(!m_form->heldMarker1->isVisible() && !m_form->heldMarker3->isVisible());
    QCOMPARE(m_form->game().diceValues, (Dice{2, 2, 2, 2, 2}));

    // All five held: the values stay and the roll counts.
    for (int die = 0; die < 5; ++die)
        QTest::mousePress(image(die), Qt::LeftButton);
    processRandom().setSeed(99);
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QCOMPARE(m_form->game().diceValues, (Dice{2, 2, 2, 2, 2}));
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("2"));
}

void TestGameWindow::commitWithBonusShowsTheBonusAndNoRemark()
{
    m_form->newGameAction->trigger();
    const Dice sixes = {6, 6, 6, 6, 6};
    roll(sixes);
    selectAndCommit(Category::Sixes, {5, 5, 5, 5, 5}); // 30
    selectAndCommit(Category::Fives, {4, 4, 4, 4, 1}); // 55
    selectAndCommit(Category::Fours, {1, 2, 3, 4, 5}); // 71
    QCOMPARE(m_form->subTotalLabel->text(), QStringLiteral("71"));
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("106"));
    const QStringList subTotalTexts
            = {QStringLiteral("Cool! You got the sub total bonus of +35 points!"),
               QStringLiteral("Your sub total is 71. Here is your +35 points bonus!"),
               QStringLiteral("+35 point bonus!!")};
    QVERIFY2(subTotalTexts.contains(m_form->commentLabel->text()),
             qPrintable(m_form->commentLabel->text()));
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("1"));
}

void TestGameWindow::combinedBonusAddsExactly135()
{
    m_form->newGameAction->trigger();
    roll({6, 6, 6, 6, 6});
    selectAndCommit(Category::FiveOfAKind, {5, 5, 5, 5, 1}); // 50, armed
    selectAndCommit(Category::Fives, {4, 4, 4, 4, 2}); // sub total 20
    selectAndCommit(Category::Fours, {6, 6, 6, 6, 6}); // 36
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("86"));
    selectAndCommit(Category::Sixes, {1, 2, 3, 4, 6}); // 66: +30 +135
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("251"));
    QCOMPARE(m_form->subTotalLabel->text(), QStringLiteral("66"));
    const QStringList combinedTexts = {
            QStringLiteral("Whoa! Awesome bonus! You got both the extra quintox bonus and the sub "
                           "total bonus! +135 points!"),
            QStringLiteral("Extra quintox and sub total bonus have been added! Good job! +135 "
                           "points!")};
    QVERIFY(combinedTexts.contains(m_form->commentLabel->text()));
}

void TestGameWindow::thirteenthCommitEndsTheGame()
{
    m_form->newGameAction->trigger();
    roll({1, 2, 3, 4, 6});
    for (int i = 0; i < CategoryCount; ++i) {
        QTest::mouseClick(m_form->categoryButton(Category(i)), Qt::LeftButton);
        roll({1, 2, 3, 4, 6});
        QVERIFY(!m_form->categoryButton(Category(i))->isVisible());
    }
    QCOMPARE(m_form->game().turnsScored, 13);
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("1"));
    QVERIFY(GameOverTexts.contains(m_form->commentLabel->text()));
    QVERIFY(m_form->newGameButton->isVisible() && m_form->newGameButton->isEnabled());
    QVERIFY(!m_form->rollButton->isVisible());
    QVERIFY(!m_form->unselectButton->isEnabled());
    QVERIFY(menusEnabled());
    QTest::mousePress(m_form->die2, Qt::LeftButton);
    QVERIFY(!m_form->heldMarker2->isVisible());
}

void TestGameWindow::onlyAScoreAboveTheHighestOpensTheRecordWindow_data()
{
    QTest::addColumn<qint32>("highScore");
    QTest::addColumn<bool>("opens");
    // Thirteen turns of 1 2 3 4 6 score 16 in the upper section, 30 for the small straight and
    // 16 for chance: 62.
    QTest::newRow("one point more") << 61 << true;
    QTest::newRow("a tie") << 62 << false;
}

void TestGameWindow::onlyAScoreAboveTheHighestOpensTheRecordWindow()
{
    QFETCH(qint32, highScore);
    QFETCH(bool, opens);
    highestScore = highScore;
    QString recorded;
    ModalAnswer<HighScoreWindow> answer([&](HighScoreWindow *window) {
        recorded = window->newScoreLabel->text();
        window->reject();
    });
    playThirteenTurns();
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("62"));
    QCOMPARE(answer.answered(), opens);
    QCOMPARE(recorded, opens ? QStringLiteral("62") : QString());
    QCOMPARE(m_form->highestScoreAction->isEnabled(), opens);
    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QVERIFY(!m_form->heldMarker1->isVisible());
}

void TestGameWindow::menuItemsOpenTheirWindowsModally_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("windowClass");
    QTest::newRow("F1") << QString() << int(Qt::Key_F1) << QByteArray("HelpWindow");
    QTest::newRow("F3") << QString() << int(Qt::Key_F3) << QByteArray("ColorSchemeDialog");
    QTest::newRow("About") << QStringLiteral("&About") << 0 << QByteArray("AboutWindow");
    QTest::newRow("Highest Score")
            << QStringLiteral("&Highest Score...") << 0 << QByteArray("HighScoreWindow");
}

void TestGameWindow::menuItemsOpenTheirWindowsModally()
{
    QFETCH(QString, item);
    QFETCH(int, key);
    QFETCH(QByteArray, windowClass);
    m_form->highestScoreAction->setEnabled(true);
    QByteArray opened;
    const QWindow *transientParent = nullptr;
    ModalAnswer<QDialog> answer([&](QDialog *window) {
        opened = window->metaObject()->className();
        transientParent = window->windowHandle()->transientParent();
        window->reject();
    });
    if (key != 0) {
        QTest::keyClick(m_form.get(), Qt::Key(key));
    } else {
        const QList<QAction *> actions = m_form->findChildren<QAction *>();
        const auto action = std::find_if(actions.begin(), actions.end(),
                                         [&](QAction *a) { return a->text() == item; });
        QVERIFY(action != actions.end());
        (*action)->trigger();
    }
    QCOMPARE(opened, windowClass);
    // The desktop keeps a window above its transient parent and places it there.
    QCOMPARE(transientParent, m_form->windowHandle());
    QVERIFY(m_form->findChildren<QDialog *>().isEmpty());
}

void TestGameWindow::newGameInTheMiddleRestartsWithAllCategories()
{
    m_form->newGameAction->trigger();
    roll({6, 6, 6, 6, 1});
    selectAndCommit(Category::Sixes, {1, 1, 2, 2, 3});
    QTest::mousePress(m_form->die1, Qt::LeftButton);
    QTest::mouseClick(m_form->onesButton, Qt::LeftButton);
    QTest::keyClick(m_form.get(), Qt::Key_F2);
    QCOMPARE(m_form->scoreLabel->text(), QStringLiteral("0"));
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("1"));
    QVERIFY(!m_form->game().categorySelected);
    QVERIFY(!m_form->heldMarker1->isVisible());
    for (int i = 0; i < CategoryCount; ++i)
        QVERIFY(m_form->categoryButton(Category(i))->isVisible()
                && m_form->categoryButton(Category(i))->isEnabled());
}

void TestGameWindow::animatedRollLocksTheWindowWhileTheDiceTumble()
{
    m_form->newGameAction->trigger();
    m_form->animationAction->trigger();
    QVERIFY(m_form->animationAction->isChecked());

    bool checked = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        checked = true;
        QVERIFY(m_form->game().diceLocked);
        QVERIFY(!menusEnabled());
        QVERIFY(!m_form->rollButton->isEnabled());
        QVERIFY(!m_form->newGameButton->isEnabled());
        QVERIFY(!m_form->unselectButton->isEnabled());
        for (int i = 0; i < CategoryCount; ++i)
            QVERIFY(!m_form->categoryButton(Category(i))->isEnabled());
        QTest::mousePress(m_form->die3, Qt::LeftButton);
        QVERIFY(!m_form->heldMarker3->isVisible());
        const int score = m_form->game().score;
        QTest::keyClick(m_form.get(), Qt::Key_F2);
        m_form->newGameAction->trigger(); // as a screen reader may, past the disabled menu
        QCOMPARE(m_form->game().score, score);
        QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("2"));
    });
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(!m_form->game().diceLocked);
    QVERIFY(menusEnabled());
    QVERIFY(m_form->rollButton->isEnabled());
    QVERIFY(!m_form->heldMarker3->isVisible());
    QVERIFY(RemarkTexts.contains(m_form->commentLabel->text()));
}

void TestGameWindow::animatedRollChangesFacesAsManyTimesAsItHasSteps_data()
{
    QTest::addColumn<QList<int>>("heldDice");
    QTest::addColumn<int>("faceChanges");
    QTest::newRow("no die held") << QList<int>{} << 152;
    // Die 1 held: dice 2-5 change eight times, 3-5 ten, 4-5 fifteen, 5 thirty.
    QTest::newRow("first die held") << QList<int>{0} << 32 + 30 + 30 + 30;
    // Die 3 held: 6 + 8 passes skip it, and it has no phase of its own.
    QTest::newRow("third die held") << QList<int>{2} << 6 * 4 + 8 * 3 + 30 + 30;
    QTest::newRow("all held") << QList<int>{0, 1, 2, 3, 4} << 0;
}

void TestGameWindow::animatedRollChangesFacesAsManyTimesAsItHasSteps()
{
    QFETCH(QList<int>, heldDice);
    QFETCH(int, faceChanges);
    m_form->newGameAction->trigger();
    m_form->animationAction->trigger();
    for (int die : heldDice)
        QTest::mousePress(image(die), Qt::LeftButton);
    const Dice before = m_form->game().diceValues;
    const int changesBefore = m_form->diceDisplay().faceChanges();
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QCOMPARE(m_form->diceDisplay().faceChanges() - changesBefore, faceChanges);
    for (int die : heldDice)
        QCOMPARE(m_form->game().diceValues[std::size_t(die)], before[std::size_t(die)]);
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("2"));
}

void TestGameWindow::animatedThirdRollLeavesRollDisabled()
{
    m_form->newGameAction->trigger();
    m_form->animationAction->trigger();
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    bool outOfRollsWhileTumbling = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        outOfRollsWhileTumbling = OutOfRollsTexts.contains(m_form->commentLabel->text());
    });
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QVERIFY(outOfRollsWhileTumbling);
    QVERIFY(!m_form->rollButton->isEnabled());
    QVERIFY(m_form->newGameButton->isEnabled());
    QVERIFY(OutOfRollsTexts.contains(m_form->commentLabel->text()));
}

void TestGameWindow::facesShowTheBackgroundInTheirCorners()
{
    m_form->newGameAction->trigger();
    const QImage window = m_form->centralWidget()->grab().toImage();
    const QPoint corner = m_form->die1->geometry().topLeft();
    const QColor background = window.pixelColor(corner.x() - 2, corner.y());
    QCOMPARE(window.pixelColor(corner), background);
    // The 9-pixel strip right of the 96-pixel face shows the background too.
    QCOMPARE(window.pixelColor(m_form->die5->geometry().left() + 100, corner.y() + 50).rgb(),
             window.pixelColor(m_form->die5->geometry().right() + 5, corner.y() + 50).rgb());
    // The face itself is drawn: its centre is not the background.
    QVERIFY(window.pixelColor(corner + QPoint(48, 48)) != background);
}

void TestGameWindow::backgroundIsBandedFromAquaToBlue()
{
    const QImage window = m_form->centralWidget()->grab().toImage();
    const auto rowColor = [&](int y) { return fromQColor(window.pixelColor(0, y)); };
    QCOMPARE(rowColor(0), Color(0x00FFFF00));
    QCOMPARE(rowColor(1), Color(0x00FFFF00));
    QCOMPARE(rowColor(2), Color(0x00FFFE00));
    QCOMPARE(rowColor(201), Color(0x00FF7F00));
    QCOMPARE(rowColor(399), Color(0x00FF0000));
}

// "CPU" fills its 33-pixel label as one line of 27-pixel Tahoma set at the label's top: the
// capitals stand on the baseline 27 pixels down.
void TestGameWindow::cpuStandsOnTheBaselineOfItsLayout()
{
    const QImage image = theGameWindow->commentatorLabel->grab().toImage();
    int lowestInkedRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGreen(image.pixel(x, y)) > 128)
                lowestInkedRow = y;
        }
    }
    QCOMPARE(lowestInkedRow, 26);
}

void TestGameWindow::numberKeysHoldDiceUnderTheRulesOfAClick()
{
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QVERIFY(!m_form->heldMarker1->isVisible());

    m_form->newGameAction->trigger();
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QTest::keyClick(m_form.get(), Qt::Key_5);
    QVERIFY(m_form->game().isHeld(0) && m_form->game().isHeld(4));
    QVERIFY(m_form->heldMarker1->isVisible() && m_form->heldMarker5->isVisible());
    QTest::keyClick(m_form.get(), Qt::Key_5);
    QVERIFY(!m_form->heldMarker5->isVisible());
    // A key held down toggles once: its repeats do nothing.
    QTest::simulateEvent(m_form.get(), true, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
    QVERIFY(m_form->heldMarker1->isVisible());

    m_form->animationAction->trigger();
    bool tried = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        QTest::keyClick(m_form.get(), Qt::Key_3);
        tried = true;
    });
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QVERIFY(tried);
    QVERIFY(!m_form->game().isHeld(2));

    // The keys never choose Ones or Twos.
    QTest::keyClick(m_form.get(), Qt::Key_1);
    QVERIFY(!m_form->game().categorySelected);
}

void TestGameWindow::screenReadersHearTheDiceAndTheLabels()
{
    const auto spoken = [](QWidget *widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    };
    QCOMPARE(spoken(m_form->die3), QStringLiteral("Die 3"));
    QCOMPARE(spoken(m_form->die3, QAccessible::Description), QStringLiteral("Click to HOLD"));

    m_form->newGameAction->trigger();
    roll({2, 4, 5, 1, 6});
    QCOMPARE(spoken(m_form->die3), QStringLiteral("Die 3: 5"));
    QTest::mousePress(m_form->die3, Qt::LeftButton);
    QCOMPARE(spoken(m_form->die3), QStringLiteral("Die 3: 5, held"));
    roll({2, 4, 5, 3, 3});
    QCOMPARE(spoken(m_form->die5), QStringLiteral("Die 5: 3"));
    QCOMPARE(spoken(m_form->die3), QStringLiteral("Die 3: 5, held"));

    QCOMPARE(spoken(m_form->rollsLabel), QStringLiteral("Rolls: 3"));
    QCOMPARE(spoken(m_form->scoreLabel), QStringLiteral("Score: 0"));
    QCOMPARE(spoken(m_form->subTotalLabel), QStringLiteral("Sub total: 0"));
    QVERIFY(spoken(m_form->commentLabel).startsWith(QStringLiteral("CPU says: ")));
    QCOMPARE(spoken(m_form->smallStraightButton), QStringLiteral("Small Straight"));
    QCOMPARE(spoken(m_form->fiveOfAKindButton, QAccessible::Description),
             QStringLiteral("Score this turn as Tovik!"));

    QTest::mouseClick(m_form->threesButton, Qt::LeftButton);
    roll({1, 1, 1, 1, 2});
    QCOMPARE(spoken(m_form->die3), QStringLiteral("Die 3: 1"));
    QCOMPARE(spoken(m_form->scoreLabel), QStringLiteral("Score: 6"));
}

void TestGameWindow::lateAltClickActsOnlyOnALiveButtonAndNeverInsideARoll_data()
{
    QTest::addColumn<LateClickRace>("race");
    QTest::addColumn<QString>("rolls");
    QTest::addColumn<int>("faceChanges");
    QTest::newRow("Alt+R, then Un-Select after the third roll")
            << LateClickRace::UnSelectAfterAltR << QStringLiteral("3") << 0;
    QTest::newRow("Alt+R, then a click on ROLL")
            << LateClickRace::RollClickAfterAltR << QStringLiteral("2") << 152;
    QTest::newRow("Alt+N, then F2 at game over")
            << LateClickRace::NewGameKeyAfterAltN << QStringLiteral("1") << 152;
}

void TestGameWindow::lateAltClickActsOnlyOnALiveButtonAndNeverInsideARoll()
{
    QFETCH(LateClickRace, race);
    QFETCH(QString, rolls);
    QFETCH(int, faceChanges);
    QPushButton *pressed = m_form->rollButton;
    if (race == LateClickRace::UnSelectAfterAltR) {
        m_form->newGameAction->trigger();
        roll({1, 1, 2, 2, 3});
        roll({3, 3, 4, 5, 6});
        QTest::mouseClick(m_form->chanceButton, Qt::LeftButton);
    } else if (race == LateClickRace::RollClickAfterAltR) {
        m_form->newGameAction->trigger();
    } else {
        playThirteenTurns();
        pressed = m_form->newGameButton;
    }
    m_form->animationAction->setChecked(race != LateClickRace::UnSelectAfterAltR);
    const int changesBefore = m_form->diceDisplay().faceChanges();

    QTest::keyClick(m_form.get(), pressed == m_form->rollButton ? Qt::Key_R : Qt::Key_N,
                    Qt::AltModifier);
    QVERIFY(pressed->isDown()); // its click is on the way
    // Inside a roll the late click is waited for while the dice tumble. A click on ROLL reaches
    // the spy only after its roll, so there the spy sees the late click alone.
    const QSignalSpy clicks(pressed, &QPushButton::clicked);
    QTimer::singleShot(0, m_form.get(), [&] { QTRY_VERIFY(!clicks.isEmpty()); });
    if (race == LateClickRace::UnSelectAfterAltR)
        QTest::mouseClick(m_form->unselectButton, Qt::LeftButton);
    else if (race == LateClickRace::RollClickAfterAltR)
        QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    else
        QTest::keyClick(m_form.get(), Qt::Key_F2);
    QTRY_VERIFY(!clicks.isEmpty());

    QCOMPARE(m_form->rollsLabel->text(), rolls);
    QCOMPARE(m_form->diceDisplay().faceChanges() - changesBefore, faceChanges);
    QVERIFY(!m_form->isRolling());
}

void TestGameWindow::commentatorShowsANameAsTypedNotAsMarkup()
{
    currentPlayerName = QStringLiteral("<b>Al</b>");
    std::uint32_t seed = 0;
    while (RandomGenerator(seed).next(3) == 0) // the one welcome without the name
        ++seed;
    processRandom().setSeed(seed);
    m_form->newGameAction->trigger();
    QVERIFY(m_form->commentLabel->text().contains(currentPlayerName));
    QCOMPARE(m_form->commentLabel->textFormat(), Qt::PlainText);
}

void TestGameWindow::diceHoldOnTheKeyboardAndTheirActionUnlessRolling_data()
{
    QTest::addColumn<Activation>("activation");
    QTest::newRow("Space") << Activation::Space;
    QTest::newRow("Toggle hold") << Activation::PressAction;
}

void TestGameWindow::diceHoldOnTheKeyboardAndTheirActionUnlessRolling()
{
    QFETCH(Activation, activation);
    const auto actions = QAccessible::queryAccessibleInterface(m_form->die3)->actionInterface();
    QCOMPARE(actions->actionNames().first(), QStringLiteral("Toggle hold"));
    QVERIFY(m_form->die3->focusPolicy() & Qt::TabFocus);

    activate(m_form->die3, activation);
    QVERIFY(!m_form->game().isHeld(2));
    m_form->newGameAction->trigger();
    activate(m_form->die3, activation);
    QVERIFY(m_form->game().isHeld(2) && m_form->heldMarker3->isVisible());
    activate(m_form->die3, activation);
    QVERIFY(!m_form->game().isHeld(2));

    m_form->animationAction->trigger();
    bool tried = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        activate(m_form->die4, activation);
        tried = true;
    });
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QVERIFY(tried);
    QVERIFY(!m_form->game().isHeld(3));
}

// A screen reader hears a roll once the dice settle, in one announcement together with what the
// CPU said, and the dice's names change once each, never with the animation's frames.
void TestGameWindow::eachRollIsAnnouncedOnceWithItsSettledDice()
{
    QSignalSpy announcements(&m_form->announcer(), &Announcer::announced);
    m_form->animationAction->trigger();
    m_form->newGameAction->trigger();
    QTRY_COMPARE(announcements.count(), 1);
    QVERIFY(announcements.first().first().toString().startsWith(QStringLiteral("Animation on.")));
    QTest::mousePress(m_form->die2, Qt::LeftButton);

    QSet<QString> namesWhileRolling;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        if (m_form->isRolling())
            namesWhileRolling.insert(
                    QAccessible::queryAccessibleInterface(m_form->die5)->text(QAccessible::Name));
    });
    sampler.start(0);
    announcements.clear();
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    sampler.stop();
    QTRY_COMPARE(announcements.count(), 1);
    QCOMPARE(namesWhileRolling.size(), 1);

    const Dice &dice = m_form->game().diceValues;
    const QString spoken = announcements.first().first().toString();
    QVERIFY2(spoken.startsWith(QStringLiteral("Rolled %1, %2, %3, %4, %5; die 2 held.")
                                       .arg(dice[0])
                                       .arg(dice[1])
                                       .arg(dice[2])
                                       .arg(dice[3])
                                       .arg(dice[4])),
             qPrintable(spoken));
    QVERIFY(spoken.endsWith(m_form->commentLabel->text()));

    // Choosing a category says its points; the next roll starts with the new score.
    QTest::mouseClick(m_form->chanceButton, Qt::LeftButton);
    QTRY_COMPARE(announcements.count(), 2);
    QCOMPARE(announcements.last().first().toString(), m_form->commentLabel->text());
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QTRY_COMPARE(announcements.count(), 3);
    QVERIFY(announcements.last().first().toString().startsWith(
            QStringLiteral("Score: %1. Rolled ").arg(m_form->game().score)));
}

void TestGameWindow::menuItemsTriggeredDuringARollDoNothing_data()
{
    QTest::addColumn<QString>("item");
    for (const char *item :
         {"&New...", "&Highest Score...", "&Animation", "&Colors...", "&How to Play...", "&About"})
        QTest::newRow(item) << QString::fromLatin1(item);
}

// A screen reader's Press triggers a menu item even while its menu is disabled for a roll.
void TestGameWindow::menuItemsTriggeredDuringARollDoNothing()
{
    QFETCH(QString, item);
    const QList<QAction *> actions = m_form->findChildren<QAction *>();
    QAction *action = *std::find_if(actions.begin(), actions.end(),
                                    [&](QAction *a) { return a->text() == item; });
    m_form->highestScoreAction->setEnabled(true);
    m_form->animationAction->setChecked(true);
    m_form->newGameAction->trigger();
    int opened = 0;
    ModalAnswer<QDialog> answer([&](QDialog *window) {
        ++opened;
        window->reject();
    });
    bool triggered = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        triggered = m_form->isRolling();
        action->trigger();
    });
    QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    QVERIFY(triggered);
    QCOMPARE(m_form->rollsLabel->text(), QStringLiteral("2"));
    QVERIFY(m_form->animationAction->isChecked());
    QCOMPARE(opened, 0);
}

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
