#pragma once

#include "game/random.h"
#include "players/session.h"
#include "widgets/announcer.h"
#include "widgets/dieface.h"
#include "windows/gamewindow.h"
#include "windows/highscorewindow.h"
#include "windows/pressbutton.h"
#include "windows/rollpacing.h"
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

#include <memory>

inline const QStringList WelcomeTexts
        = {QStringLiteral("Hey there! Welcome to Tovik!"),
           QStringLiteral("Hey, Ann! My name is CPU ... I will be assisting you."),
           QStringLiteral("Ann ... art thou ready for some hardcore Tovik playing?")};
inline const QStringList OutOfRollsTexts
        = {QStringLiteral("Ack! No more turns left! Please select your score from the remaining "
                          "items below."),
           QStringLiteral("WHAT IS THIS?! No more rolls?! Oh well, choose your score.")};
inline const QStringList RemarkTexts
        = {QStringLiteral("Woohoo you can do a lot with that! Trust me ... tehe."),
           QStringLiteral("...just don't mess up what you are aiming towards!"),
           QStringLiteral("Aren't quintox games like this fun?"),
           QStringLiteral("I'm starting to get excited!"),
           QStringLiteral("I hope you're listening to me!")};
inline const QStringList GameOverTexts = {
        QStringLiteral("Game Over."), QStringLiteral("Finally this game is over! See you later!"),
        QStringLiteral("Nice game ... shall we play again?")};
inline const QStringList UnselectTexts = {
        QStringLiteral("Wait a minute... are you SURE you do not want that item for your score?"),
        QStringLiteral("Heh."), QStringLiteral("I might have done that... then again, maybe not.")};
inline const QString Refusal
        = QStringLiteral("To select a different item, you must click \"Un-Select Item\" first.");

// The seed that makes the next plain roll, with these dice held, show the wanted values on the
// free dice. A message drawn from messageChoices texts may come first. The search is
// deterministic, so every run uses the same seeds.
inline std::uint32_t seedForRoll(const Dice &wanted, const std::array<quint8, 5> &held = {},
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

Q_DECLARE_METATYPE(LateClickRace)
Q_DECLARE_METATYPE(Activation)

// A shown game window of its own for each test, with the dice under the test's control: rolls
// are plain, and roll() seeds the random generator for the values it asks for.
class GameWindowTesting
{
protected:
    void start()
    {
        RollPacing::setEnabled(false);
        m_session = std::make_unique<Session>();
        m_session->setPlayerName(QStringLiteral("Ann"));
        m_session->setRecordScore(1000000); // games end without a record unless a test asks for one
        m_session->setColors(Colors::Aqua, Colors::Blue);
        m_form = std::make_unique<GameWindow>(*m_session);
        m_form->show();
    }

    void stop()
    {
        m_form.reset();
        m_session.reset();
    }

    void roll(const Dice &wanted)
    {
        // A commit clears every hold; the third roll of a turn announces itself before the dice
        // move.
        const GameState &game = m_form->game();
        const bool thirdRoll = !game.categorySelected && game.rollCount == 2;
        const std::array<quint8, 5> held
                = game.categorySelected ? std::array<quint8, 5> {} : game.heldDice;
        processRandom().setSeed(seedForRoll(wanted, held, thirdRoll ? 2 : 0));
        QTest::mouseClick(m_form->rollButton, Qt::LeftButton);
    }

    void selectAndCommit(Category category, const Dice &nextRoll)
    {
        QTest::mouseClick(m_form->categoryButton(category), Qt::LeftButton);
        QVERIFY(m_form->game().categorySelected);
        roll(nextRoll);
    }

    // Every turn rolls 1 2 3 4 6 once and scores the next category, to the end of the game.
    void playThirteenTurns()
    {
        m_form->newGameAction->trigger();
        roll({1, 2, 3, 4, 6});
        for (int i = 0; i < CategoryCount; ++i) {
            QTest::mouseClick(m_form->categoryButton(Category(i)), Qt::LeftButton);
            roll({1, 2, 3, 4, 6});
        }
    }

    bool menusEnabled() const
    {
        return m_form->gameMenu->menuAction()->isEnabled()
                && m_form->optionsMenu->menuAction()->isEnabled()
                && m_form->helpMenu->menuAction()->isEnabled();
    }

    TransparentImage *image(int die) const
    {
        return std::array {m_form->die1, m_form->die2, m_form->die3, m_form->die4,
                           m_form->die5}[std::size_t(die)];
    }

    static void activate(QWidget *widget, Activation activation)
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

    std::unique_ptr<Session> m_session;
    std::unique_ptr<GameWindow> m_form;
};
