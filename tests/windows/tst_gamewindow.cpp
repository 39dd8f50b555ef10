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
    const QImage image = m_form->commentatorLabel->grab().toImage();
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

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
