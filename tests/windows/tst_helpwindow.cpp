#include "coach/coach.h"
#include "players/session.h"
#include "widgets/gradientfill.h"
#include "windows/helpwindow.h"
#include "windows/welcomewindow.h"
#include "windowtesting.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHelpWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textIsTheRulesInNineteenLines();
    void keysFollowTheRules();
    void coachStatesTheSolvedValue();
    void textCanBeReadAndSelectedButNotEdited();
    void opensWithTheTextBoxFocusedAndOkCloses();
    void resizingMovesAndStretchesNothing_data();
    void resizingMovesAndStretchesNothing();
    void opensOverTheHiddenWelcomeWindow();
    void backgroundShowsTheColourPair_data() { addColourPairRows(); }
    void backgroundShowsTheColourPair();

private:
    Session m_session;
};

void TestHelpWindow::textIsTheRulesInNineteenLines()
{
    const QStringList expected = {
            QStringLiteral("Tovik is basically a game similar to poker, except you are "),
            QStringLiteral("using dice! Your goal is to get as many points as possible. "),
            QStringLiteral("Tovik is both a strategy game and a game of luck. For each "),
            QStringLiteral("dice you get, they will count as points. The point system "),
            QStringLiteral("goes as the following:"),
            QString(),
            QStringLiteral("One-Six: total of selected dice values"),
            QStringLiteral("3 of a Kind and 4 of a Kind: total of added dice values"),
            QStringLiteral("Full House: 25 points"),
            QStringLiteral("Small Straight: 30 points"),
            QStringLiteral("Large Straight: 40 points"),
            QStringLiteral("Chance: total of added dice values"),
            QStringLiteral("Tovik: 50 points"),
            QString(),
            QStringLiteral("Tovik BONUS: after you get your first Tovik, each additional "),
            QStringLiteral("Tovik will add 100 points to your score."),
            QString(),
            QStringLiteral("Sub Total BONUS: if your sub total score is 63 or greater, "),
            QStringLiteral("you will get an additional 35 points."),
    };
    HelpWindow window(m_session, nullptr);
    QCOMPARE(control<QPlainTextEdit>(&window, u"rulesView"_s)
                     ->toPlainText()
                     .split(u'\n')
                     .mid(0, expected.size()),
             expected);
}

void TestHelpWindow::keysFollowTheRules()
{
    const QStringList expected = {
            QString(),
            QStringLiteral("Keys:"),
            QStringLiteral("1 to 5: hold or free a die"),
            QStringLiteral("Alt+R: roll"),
            QStringLiteral("Alt+U: un-select the chosen item"),
            QStringLiteral("Alt+N: new game"),
            QStringLiteral("F1: this help"),
            QStringLiteral("F2: new game"),
            QStringLiteral("F3: colours"),
            QStringLiteral("F4: the coach"),
            QStringLiteral("Tab moves between the dice and the buttons; Space presses them."),
    };
    HelpWindow window(m_session, nullptr);
    QCOMPARE(control<QPlainTextEdit>(&window, u"rulesView"_s)
                     ->toPlainText()
                     .split(u'\n')
                     .mid(19, expected.size()),
             expected);
}

// The help closes with the coach and the game's value under perfect play, which is the solver's.
void TestHelpWindow::coachStatesTheSolvedValue()
{
    HelpWindow window(m_session, nullptr);
    const QStringList lines
            = control<QPlainTextEdit>(&window, u"rulesView"_s)->toPlainText().split(u'\n');
    const QString stated = lines.last();
    QVERIFY(stated.startsWith(u"Perfect play averages "_s));

    Coach coach;
    QSignalSpy ready(&coach, &Coach::ready);
    coach.startSolving();
    QVERIFY(ready.wait(300000));
    const std::optional<double> value = coach.pointsToCome(TurnState {});
    QVERIFY(value);
    QCOMPARE(stated, u"Perfect play averages %1 points a game."_s.arg(*value, 0, 'f', 2));
}

void TestHelpWindow::textCanBeReadAndSelectedButNotEdited()
{
    HelpWindow window(m_session, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString text = control<QPlainTextEdit>(&window, u"rulesView"_s)->toPlainText();

    QTest::keyClicks(control<QPlainTextEdit>(&window, u"rulesView"_s), QStringLiteral("xyz"));
    QTest::keyClick(control<QPlainTextEdit>(&window, u"rulesView"_s), Qt::Key_Delete);
    QTest::keyClick(control<QPlainTextEdit>(&window, u"rulesView"_s), Qt::Key_Backspace);
    QTest::keyClick(control<QPlainTextEdit>(&window, u"rulesView"_s),
                    Qt::Key_Return); // presses no button either
    QCOMPARE(control<QPlainTextEdit>(&window, u"rulesView"_s)->toPlainText(), text);
    QVERIFY(window.isVisible());

    QVERIFY(control<QPlainTextEdit>(&window, u"rulesView"_s)->verticalScrollBar()->isVisible());
    QVERIFY(!control<QPlainTextEdit>(&window, u"rulesView"_s)->horizontalScrollBar()->isVisible());
    QCOMPARE(control<QPlainTextEdit>(&window, u"rulesView"_s)->verticalScrollBar()->value(), 0);
    QTest::keyClick(control<QPlainTextEdit>(&window, u"rulesView"_s), Qt::Key_End,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(control<QPlainTextEdit>(&window, u"rulesView"_s)->textCursor().hasSelection());
    QVERIFY(control<QPlainTextEdit>(&window, u"rulesView"_s)->verticalScrollBar()->value() > 0);
}

void TestHelpWindow::opensWithTheTextBoxFocusedAndOkCloses()
{
    HelpWindow window(m_session, nullptr);
    QWidget *focused = nullptr;
    ModalAnswer<HelpWindow> answer([&](HelpWindow *shown) {
        focused = QApplication::focusWidget();
        QTest::mouseClick(control<QPushButton>(shown, u"okButton"_s), Qt::LeftButton);
    });
    window.exec();

    QVERIFY(answer.answered());
    QCOMPARE(focused, control<QPlainTextEdit>(&window, u"rulesView"_s));
    QVERIFY(!window.isVisible());
}

void TestHelpWindow::resizingMovesAndStretchesNothing_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(600, 450);
    QTest::newRow("smaller than its controls") << QSize(200, 120);
}

void TestHelpWindow::resizingMovesAndStretchesNothing()
{
    QFETCH(QSize, size);

    HelpWindow window(m_session, nullptr);
    window.show();
    QCOMPARE(window.size(), QSize(393, 297));
    QVERIFY(!(window.windowFlags()
              & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const QRect fill = control<GradientFill>(&window, u"backgroundFill"_s)->geometry();
    const QRect memo = control<QPlainTextEdit>(&window, u"rulesView"_s)->geometry();
    const QRect button = control<QPushButton>(&window, u"okButton"_s)->geometry();
    QCOMPARE(fill, QRect(0, 0, 393, 297));

    window.resize(size);
    QCOMPARE(window.size(), size);
    QCOMPARE(control<GradientFill>(&window, u"backgroundFill"_s)->geometry(), fill);
    QCOMPARE(control<QPlainTextEdit>(&window, u"rulesView"_s)->geometry(), memo);
    QCOMPARE(control<QPushButton>(&window, u"okButton"_s)->geometry(), button);
    if (size.width() > fill.width())
        QCOMPARE(shownColumn(&window, size.width() - 1).first(), colorToRgb(Colors::ButtonFace));
}

void TestHelpWindow::opensOverTheHiddenWelcomeWindow()
{
    WelcomeWindow welcomeWindow(m_session);
    welcomeWindow.move(0, 0);
    HelpWindow window(m_session, &welcomeWindow);
    window.show();

    const QPoint offset = window.frameGeometry().center() - welcomeWindow.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
}

void TestHelpWindow::backgroundShowsTheColourPair()
{
    QFETCH(Color, start);
    QFETCH(Color, end);

    m_session.setColors(start, end);
    HelpWindow window(m_session, nullptr);
    window.show();
    verifyBackground(&window, start, end);
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
