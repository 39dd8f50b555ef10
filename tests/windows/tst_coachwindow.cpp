#include "coach/coach.h"
#include "gamewindowtesting.h"
#include "windows/coachwindow.h"
#include "windows/reviewwindow.h"
#include "windows/solveprogress.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int SolveTimeoutMs = 300000;

QString twoDecimals(double points)
{
    return QString::number(points, 'f', 2);
}

int boldRows(const QTreeWidget *turns)
{
    int bold = 0;
    for (int i = 0; i < turns->topLevelItemCount(); ++i) {
        for (int j = 0; j < turns->topLevelItem(i)->childCount(); ++j)
            bold += turns->topLevelItem(i)->child(j)->font(0).bold() ? 1 : 0;
    }
    return bold;
}

} // namespace

// The Coach window beside a game window of its own, with one coach for the whole program,
// solved once.
class TestCoachWindow : public QObject, public GameWindowTesting
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void advisesOnTheSettledDice();
    void pricesEachFinalChoice();
    void reviewsTheGameAtItsEnd();
    void closedWindowLeavesTheAnnouncementAlone();
    void f4SwitchesTheCoachExceptDuringARoll();
    void showsProgressThenCannotAdviseOutsideItsTable();
    void reviewWindowShowsAnyGameFromItsLog();

private:
    QLabel *line(const QString &name) const { return control<QLabel>(m_window, name); }
    Announcer *announcer() const { return child<Announcer>(u"announcer"_s); }
    QString lastAnnouncement(const QSignalSpy &spy) const
    {
        return spy.isEmpty() ? QString() : spy.last().first().toString();
    }

    Coach m_coach;
    CoachWindow *m_window = nullptr;
};

void TestCoachWindow::initTestCase()
{
    QSignalSpy ready(&m_coach, &Coach::ready);
    QElapsedTimer timer;
    timer.start();
    m_coach.startSolving();
    QVERIFY(ready.wait(SolveTimeoutMs));
    qInfo("Solved in %lld ms", timer.elapsed());
}

void TestCoachWindow::init()
{
    start();
    m_window = new CoachWindow(*m_session, m_coach, *m_form);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestCoachWindow::cleanup()
{
    stop();
    m_window = nullptr;
}

void TestCoachWindow::advisesOnTheSettledDice()
{
    QSignalSpy announcements(announcer(), &Announcer::announced);
    newGameAction()->trigger();
    QTRY_VERIFY(!announcements.isEmpty());
    announcements.clear();
    roll({6, 6, 6, 6, 6});
    const Advice advice = m_coach.advise(TurnState {}, {6, 6, 6, 6, 6}, 1);
    QCOMPARE(line(u"bestLine"_s)->text(), u"Best: score Tovik! for 50"_s);
    QCOMPARE(line(u"expectedLine"_s)->text(),
             u"Expected final score: "_s + twoDecimals(advice.choices.front().expectedPoints));
    const auto *choices = control<QListWidget>(m_window, u"choiceList"_s);
    QCOMPARE(choices->count(), int(advice.choices.size()));
    QCOMPARE(choices->item(0)->text(),
             u"score Tovik! for 50: "_s + twoDecimals(advice.choices.front().expectedPoints));
    QVERIFY(line(u"lastChoiceLine"_s)
                    ->text()
                    .startsWith(u"Last choice: roll all five dice, cost "_s));
    QTRY_VERIFY(!announcements.isEmpty());
    QVERIFY2(lastAnnouncement(announcements).startsWith(u"Rolled 6, 6, 6, 6, 6"_s),
             qPrintable(lastAnnouncement(announcements)));
    QVERIFY(lastAnnouncement(announcements).endsWith(u" Coach: score Tovik! for 50."_s));
}

// A hold counts as it stands at the roll; a commit counts as it is made.
void TestCoachWindow::pricesEachFinalChoice()
{
    newGameAction()->trigger();
    const Advice first = m_coach.advise(TurnState {}, position().dice, 2);
    QTest::mousePress(face(4), Qt::LeftButton);
    QTest::mousePress(face(0), Qt::LeftButton);
    QTest::mousePress(face(0), Qt::LeftButton); // changed back: only die 5 is held at the roll
    const qint32 held = position().dice[4];
    roll({2, 2, 3, 3, held});
    const double holdCost
            = first.choices.front().expectedPoints - first.findHold({held})->expectedPoints;
    QCOMPARE(line(u"lastChoiceLine"_s)->text(),
             u"Last choice: hold %1 and roll, cost "_s.arg(held) + twoDecimals(holdCost));

    const Advice second = m_coach.advise(TurnState {}, position().dice, 1);
    QTest::mouseClick(categoryButton(Category::Chance), Qt::LeftButton);
    roll({1, 1, 1, 1, 1});
    const double scoreCost = second.choices.front().expectedPoints
            - second.findScore(Category::Chance)->expectedPoints;
    QCOMPARE(line(u"lastChoiceLine"_s)->text(),
             u"Last choice: score Chance for %1, cost "_s.arg(10 + held) + twoDecimals(scoreCost));
    QCOMPARE(line(u"gameCostLine"_s)->text(),
             u"Cost this game: "_s + twoDecimals(holdCost + scoreCost));
}

void TestCoachWindow::reviewsTheGameAtItsEnd()
{
    playThirteenTurns();
    QVERIFY(!line(u"bestLine"_s)->isVisible());
    const QString summary = line(u"summaryLine"_s)->text();
    QVERIFY2(summary.startsWith(u"You scored %1. Your choices cost "_s.arg(scoreLabel()->text())),
             qPrintable(summary));
    QVERIFY(summary.endsWith(u" per choice."_s));
    QCOMPARE(line(u"perfectPlayLine"_s)->text(), u"Perfect play averages 254.36 points a game."_s);
    const auto *turns = control<QTreeWidget>(m_window, u"turnList"_s);
    QCOMPARE(turns->topLevelItemCount(), CategoryCount);
    QVERIFY(turns->topLevelItem(0)->text(0).endsWith(u", then 1 2 3 4 6"_s));
    QCOMPARE(turns->topLevelItem(0)->childCount(), 2);
    QCOMPARE(turns->topLevelItem(1)->text(0), u"Turn 2: rolled 1 2 3 4 6"_s);
    QCOMPARE(turns->topLevelItem(1)->childCount(), 1);
    QVERIFY(turns->topLevelItem(1)->child(0)->text(0).startsWith(u"score Twos for 2; best: "_s));
    QCOMPARE(boldRows(turns), 3);
}

void TestCoachWindow::closedWindowLeavesTheAnnouncementAlone()
{
    QSignalSpy closed(m_window, &CoachWindow::closed);
    m_window->close();
    QCOMPARE(closed.count(), 1);
    QSignalSpy announcements(announcer(), &Announcer::announced);
    newGameAction()->trigger();
    roll({2, 2, 5, 6, 6});
    QTRY_VERIFY(!announcements.isEmpty());
    QVERIFY(!lastAnnouncement(announcements).contains(u"Coach"_s));
}

void TestCoachWindow::f4SwitchesTheCoachExceptDuringARoll()
{
    auto *action = child<QAction>(u"coachAction"_s);
    QSignalSpy switched(m_form.get(), &GameWindow::coachSwitched);
    QSignalSpy closed(m_window, &CoachWindow::closed);
    QTest::keyClick(m_window, Qt::Key_F4); // in the Coach window, F4 closes it
    QCOMPARE(closed.count(), 1);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_F4);
    QVERIFY(action->isChecked());
    QTest::keyClick(m_form.get(), Qt::Key_F4);
    QVERIFY(!action->isChecked());
    QCOMPARE(switched.count(), 2);

    newGameAction()->trigger();
    animationAction()->trigger();
    bool triggered = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        triggered = m_form->isRolling();
        QTest::keyClick(m_form.get(), Qt::Key_F4);
        action->trigger(); // as a screen reader may, past the disabled menu
    });
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(triggered);
    QVERIFY(!action->isChecked());
    QCOMPARE(switched.count(), 2);
}

// A coach that knows only the last two turns: its progress shows while it solves, and then it
// has no word on a game's first turn, which goes on as if it were not there.
void TestCoachWindow::showsProgressThenCannotAdviseOutsideItsTable()
{
    m_window->close();
    newGameAction()->trigger();
    roll({2, 2, 5, 6, 6});
    const Position before = position();
    const qsizetype actions = m_form->game().log().actions().size();

    Coach partial;
    const quint16 lastTwo = quint16(((1u << CategoryCount) - 1) & ~(1u << int(Category::Chance))
                                    & ~(1u << int(Category::FiveOfAKind)));
    partial.startSolving(lastTwo);
    SolveProgress::setDelay(0);
    auto *window = new CoachWindow(*m_session, partial, *m_form);
    window->show();
    SolveProgress::setDelay(250);
    const auto *solving = control<QLabel>(window, u"solvingLine"_s);
    QVERIFY(solving->isVisible());
    QVERIFY(solving->text().startsWith(u"Solving... "_s));
    QVERIFY(solving->text().endsWith(u'%'));

    QSignalSpy ready(&partial, &Coach::ready);
    QVERIFY(ready.wait(SolveTimeoutMs));
    QVERIFY(!solving->isVisible());
    QCOMPARE(control<QLabel>(window, u"statusLine"_s)->text(), u"The coach cannot advise here."_s);
    QVERIFY(!control<QLabel>(window, u"bestLine"_s)->isVisible());
    QCOMPARE(position().dice, before.dice);
    QCOMPARE(position().score, before.score);
    QCOMPARE(m_form->game().log().actions().size(), actions);
    delete window;
}

void TestCoachWindow::reviewWindowShowsAnyGameFromItsLog()
{
    m_window->close();
    playThirteenTurns();
    const GameLog log = m_form->game().log();
    const QString score = scoreLabel()->text();
    newGameAction()->trigger();

    ReviewWindow review(*m_session, m_coach, log, m_form.get());
    review.show();
    QVERIFY(control<QLabel>(&review, u"summaryLine"_s)
                    ->text()
                    .startsWith(u"You scored %1. Your choices cost "_s.arg(score)));
    QCOMPARE(control<QTreeWidget>(&review, u"turnList"_s)->topLevelItemCount(), CategoryCount);
    QVERIFY(!control<QWidget>(&review, u"solveProgress"_s)->isVisible());
}

QTEST_MAIN(TestCoachWindow)
#include "tst_coachwindow.moc"
