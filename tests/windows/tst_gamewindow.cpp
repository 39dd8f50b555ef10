#include "gamewindowtesting.h"

class TestGameWindow : public QObject, private GameWindowTesting
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { stop(); }

    void controlsBeforeTheFirstGame();
    void menuItemsOpenTheirWindowsModally_data();
    void menuItemsOpenTheirWindowsModally();
    void facesShowTheBackgroundInTheirCorners();
    void backgroundIsBandedFromAquaToBlue();
    void cpuStandsOnTheBaselineOfItsLayout();
    void menuItemsTriggeredDuringARollDoNothing_data();
    void menuItemsTriggeredDuringARollDoNothing();
    void animatedRollLocksTheWindowWhileTheDiceTumble();
    void animatedRollChangesFacesAsManyTimesAsItHasSteps_data();
    void animatedRollChangesFacesAsManyTimesAsItHasSteps();
    void animatedThirdRollLeavesRollDisabled();
};

void TestGameWindow::controlsBeforeTheFirstGame()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tovik v2"));
    QCOMPARE(m_form->centralWidget()->size(), QSize(600, 400));
    QVERIFY(newGameButton()->isVisible() && newGameButton()->isEnabled());
    QVERIFY(!rollButton()->isVisible());
    QVERIFY(unselectButton()->isVisible() && !unselectButton()->isEnabled());
    for (int i = 0; i < CategoryCount; ++i)
        QVERIFY(!categoryButton(Category(i))->isVisible());
    QVERIFY(!heldMarker(0)->isVisible());
    QVERIFY(!face(0)->hasPicture());
    QVERIFY(menusEnabled());
    QVERIFY(!highestScoreAction()->isEnabled());
    QVERIFY(!animationAction()->isChecked());
    QCOMPARE(commentLabel()->text(), QStringLiteral("Click new game to play!!"));

    QTest::mousePress(face(0), Qt::LeftButton);
    QVERIFY(!heldMarker(0)->isVisible());
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
    highestScoreAction()->setEnabled(true);
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

void TestGameWindow::facesShowTheBackgroundInTheirCorners()
{
    newGameAction()->trigger();
    const QImage window = m_form->centralWidget()->grab().toImage();
    const QPoint corner = face(0)->geometry().topLeft();
    const QColor background = window.pixelColor(corner.x() - 2, corner.y());
    QCOMPARE(window.pixelColor(corner), background);
    // The 9-pixel strip right of the 96-pixel face shows the background too.
    QCOMPARE(window.pixelColor(face(4)->geometry().left() + 100, corner.y() + 50).rgb(),
             window.pixelColor(face(4)->geometry().right() + 5, corner.y() + 50).rgb());
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
    const QImage image = child<QLabel>(QStringLiteral("commentatorLabel"))->grab().toImage();
    int lowestInkedRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGreen(image.pixel(x, y)) > 128)
                lowestInkedRow = y;
        }
    }
    QCOMPARE(lowestInkedRow, 26);
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
    highestScoreAction()->setEnabled(true);
    animationAction()->setChecked(true);
    newGameAction()->trigger();
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
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(triggered);
    QCOMPARE(rollsLabel()->text(), QStringLiteral("2"));
    QVERIFY(animationAction()->isChecked());
    QCOMPARE(opened, 0);
}

void TestGameWindow::animatedRollLocksTheWindowWhileTheDiceTumble()
{
    newGameAction()->trigger();
    animationAction()->trigger();
    QVERIFY(animationAction()->isChecked());

    bool checked = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        checked = true;
        QVERIFY(m_form->isRolling());
        QVERIFY(!menusEnabled());
        QVERIFY(!rollButton()->isEnabled());
        QVERIFY(!newGameButton()->isEnabled());
        QVERIFY(!unselectButton()->isEnabled());
        for (int i = 0; i < CategoryCount; ++i)
            QVERIFY(!categoryButton(Category(i))->isEnabled());
        QTest::mousePress(face(2), Qt::LeftButton);
        QVERIFY(!heldMarker(2)->isVisible());
        const int score = position().score;
        QTest::keyClick(m_form.get(), Qt::Key_F2);
        newGameAction()->trigger(); // as a screen reader may, past the disabled menu
        QCOMPARE(position().score, score);
        QCOMPARE(rollsLabel()->text(), QStringLiteral("2"));
    });
    // A window that follows the game hears of the dice once they have settled.
    QList<bool> settledUnlocked;
    connect(m_form.get(), &GameWindow::diceSettled, this, [&](const Dice &dice) {
        settledUnlocked.append(menusEnabled() && dice == position().dice);
    });
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(checked);
    QCOMPARE(settledUnlocked, QList {true});
    QVERIFY(!m_form->isRolling());
    QVERIFY(menusEnabled());
    QVERIFY(rollButton()->isEnabled());
    QVERIFY(!heldMarker(2)->isVisible());
    QVERIFY(RemarkTexts.contains(commentLabel()->text()));
}

void TestGameWindow::animatedRollChangesFacesAsManyTimesAsItHasSteps_data()
{
    QTest::addColumn<QList<int>>("heldDice");
    QTest::addColumn<int>("faceChanges");
    QTest::newRow("no die held") << QList<int> {} << 152;
    // Die 1 held: dice 2-5 change eight times, 3-5 ten, 4-5 fifteen, 5 thirty.
    QTest::newRow("first die held") << QList<int> {0} << 32 + 30 + 30 + 30;
    // Die 3 held: 6 + 8 passes skip it, and it has no phase of its own.
    QTest::newRow("third die held") << QList<int> {2} << 6 * 4 + 8 * 3 + 30 + 30;
    QTest::newRow("all held") << QList<int> {0, 1, 2, 3, 4} << 0;
}

void TestGameWindow::animatedRollChangesFacesAsManyTimesAsItHasSteps()
{
    QFETCH(QList<int>, heldDice);
    QFETCH(int, faceChanges);
    newGameAction()->trigger();
    animationAction()->trigger();
    for (int die : heldDice)
        QTest::mousePress(face(die), Qt::LeftButton);
    const Dice before = position().dice;
    const int changesBefore = m_form->diceDisplay().faceChanges();
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QCOMPARE(m_form->diceDisplay().faceChanges() - changesBefore, faceChanges);
    for (int die : heldDice)
        QCOMPARE(position().dice[std::size_t(die)], before[std::size_t(die)]);
    QCOMPARE(rollsLabel()->text(), QStringLiteral("2"));
}

void TestGameWindow::animatedThirdRollLeavesRollDisabled()
{
    newGameAction()->trigger();
    animationAction()->trigger();
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    bool outOfRollsWhileTumbling = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        outOfRollsWhileTumbling = OutOfRollsTexts.contains(commentLabel()->text());
    });
    QTest::mouseClick(rollButton(), Qt::LeftButton);
    QVERIFY(outOfRollsWhileTumbling);
    QVERIFY(!rollButton()->isEnabled());
    QVERIFY(newGameButton()->isEnabled());
    QVERIFY(OutOfRollsTexts.contains(commentLabel()->text()));
}

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
