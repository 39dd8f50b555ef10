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
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
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
inline std::uint32_t seedForRoll(const Dice &wanted, const HeldDice &held = {},
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

// What the player does right after an Alt+letter press, which Qt's own buttons answered late.
enum class AltKeyRace {
    UnSelectAfterAltR,
    RollClickAfterAltR,
    NewGameKeyAfterAltN,
    AltRInsideARoll
};

// The ways a player without a mouse, or with one, sets off a control.
enum class Activation { LeftClick, RightPress, MiddlePress, Space, PressAction };

Q_DECLARE_METATYPE(AltKeyRace)
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

    template<typename Control = QWidget> Control *child(const QString &name) const
    {
        return control<Control>(m_form.get(), name);
    }
    QPushButton *rollButton() const { return child<QPushButton>(QStringLiteral("rollButton")); }
    QPushButton *newGameButton() const
    {
        return child<QPushButton>(QStringLiteral("newGameButton"));
    }
    QPushButton *unselectButton() const
    {
        return child<QPushButton>(QStringLiteral("unselectButton"));
    }
    QPushButton *categoryButton(Category category) const
    {
        return child<QPushButton>(GameCategoryButtonNames.at(int(category)));
    }
    DieFace *face(int die) const { return child<DieFace>(QStringLiteral("die%1").arg(die + 1)); }
    TransparentImage *heldMarker(int die) const
    {
        return child<TransparentImage>(QStringLiteral("heldMarker%1").arg(die + 1));
    }
    QLabel *commentLabel() const { return child<QLabel>(QStringLiteral("commentLabel")); }
    QLabel *scoreLabel() const { return child<QLabel>(QStringLiteral("scoreLabel")); }
    QLabel *subTotalLabel() const { return child<QLabel>(QStringLiteral("subTotalLabel")); }
    QLabel *rollsLabel() const { return child<QLabel>(QStringLiteral("rollsLabel")); }
    QAction *newGameAction() const { return child<QAction>(QStringLiteral("newGameAction")); }
    QAction *animationAction() const { return child<QAction>(QStringLiteral("animationAction")); }
    QAction *highestScoreAction() const
    {
        return child<QAction>(QStringLiteral("highestScoreAction"));
    }
    const Position &position() const { return m_form->game().position(); }
    bool selectionPending() const { return position().selection.has_value(); }

    void roll(const Dice &wanted)
    {
        // A commit clears every hold; the third roll of a turn announces itself before the dice
        // move.
        const bool thirdRoll = !selectionPending() && m_form->game().rollCount() == 2;
        const HeldDice held = selectionPending() ? HeldDice {} : position().held;
        processRandom().setSeed(seedForRoll(wanted, held, thirdRoll ? 2 : 0));
        QTest::mouseClick(rollButton(), Qt::LeftButton);
    }

    void selectAndCommit(Category category, const Dice &nextRoll)
    {
        QTest::mouseClick(categoryButton(category), Qt::LeftButton);
        QVERIFY(selectionPending());
        roll(nextRoll);
    }

    // Every turn rolls 1 2 3 4 6 once and scores the next category, to the end of the game.
    void playThirteenTurns()
    {
        newGameAction()->trigger();
        roll({1, 2, 3, 4, 6});
        for (int i = 0; i < CategoryCount; ++i) {
            QTest::mouseClick(categoryButton(Category(i)), Qt::LeftButton);
            roll({1, 2, 3, 4, 6});
        }
    }

    bool menusEnabled() const
    {
        return std::all_of(GameMenuNames.begin(), GameMenuNames.end(), [this](const QString &name) {
            return child<QMenu>(name)->menuAction()->isEnabled();
        });
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
