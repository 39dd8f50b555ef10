#include "game/gamestate.h"
#include "game/random.h"
#include "messageboxanswers.h"
#include "players/sharedstate.h"
#include "programfixture.h"
#include "testfiles.h"
#include "windows/gamewindow.h"
#include "windows/rollpacing.h"
#include "windows/welcomewindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Yes = u"&Yes"_s;
const QString No = u"&No"_s;
const QString Ok = u"OK"_s;
const QString SamePlayerQuestion
        = u"You have chosen the same player as you were just playing with!\n"
          u"You would like to start a new game instead?"_s;
const QString OtherPlayerQuestion = u"Are you sure you want to change the current player?\n"
                                    u"This will exit the current game!"_s;
const QString NoNameNotice = u"I would like to know who you are! Please specify your name."_s;

const QByteArray DefaultLines = "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\n";
const QByteArray AnnAndBob = "color1=clAqua\r\ncolor2=clBlue\r\nname=Ann\r\nname=Bob\r\n";

} // namespace

class TestWelcomeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstShowingOffersExitAndTheSplash();
    void firstRunAsksNothingAndSavesTheTypedName();
    void noNameGivesTheNoticeAndKeepsTheWindow_data();
    void noNameGivesTheNoticeAndKeepsTheWindow();
    void typedNameLosesTheBlanksAroundIt();
    void typingSelectsNewPlayerAndChoosingARosterNameEmptiesTheField();
    void choosingNewPlayerKeepsTheTypedName();
    void playDuringAGameAsksFirst_data();
    void playDuringAGameAsksFirst();
    void newPlayerWithNothingTypedDuringAGameAsksThenGivesTheNotice();
    void laterShowingOffersCancelAndReadsNothing();
    void cancelLeavesTheGameUntouched();
    void malformedFileShowsTheErrorAndTheWindowAnyway();
    void failedSaveAfterPlayShowsTheErrorAndNoGame();
    void pastedLineBreakNeverReachesTheFile();
    void playIsInertWhileTheDiceTumble();
    void screenReadersMeetAWindowWithLabelledFields();

private:
    void play(const QString &typedName);
    void startGameAs(const QString &name);
    void showForAnotherPlayer();

    ProgramFixture m_program;
};

void TestWelcomeWindow::init()
{
    RollPacing::setEnabled(false);
    m_program.start();
}

void TestWelcomeWindow::cleanup()
{
    m_program.stop();
}

void TestWelcomeWindow::play(const QString &typedName)
{
    theWelcomeWindow->nameEdit->setFocus();
    QTest::keyClicks(theWelcomeWindow->nameEdit, typedName);
    QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
}

void TestWelcomeWindow::startGameAs(const QString &name)
{
    theWelcomeWindow->show();
    processRandom().setSeed(1);
    play(name);
    QVERIFY(gameStarted);
    QCOMPARE(currentPlayerName, name);
}

void TestWelcomeWindow::showForAnotherPlayer()
{
    theGameWindow->differentPlayerAction->trigger();
    QVERIFY(theWelcomeWindow->isVisible());
}

void TestWelcomeWindow::firstShowingOffersExitAndTheSplash()
{
    theWelcomeWindow->show();
    QCOMPARE(theWelcomeWindow->windowTitle(), u"Welcome to Tovik v2!"_s);
    QCOMPARE(theWelcomeWindow->size(), QSize(600, 400));
    QVERIFY(!(theWelcomeWindow->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(theWelcomeWindow->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(theWelcomeWindow->splashImage->pixmap().size(), QSize(600, 400));
    QVERIFY(theWelcomeWindow->exitButton->isVisible());
    QVERIFY(!theWelcomeWindow->cancelButton->isVisible());
    QVERIFY(!theWelcomeWindow->playerList->isVisible());
    QVERIFY(!theWelcomeWindow->chooseCaption->isVisible());
    QVERIFY(!theWelcomeWindow->playerList->isEditable());
    QVERIFY(!theGameWindow->isVisible());
}

void TestWelcomeWindow::firstRunAsksNothingAndSavesTheTypedName()
{
    const MessageBoxAnswers answers;
    startGameAs(u"Ann"_s);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(theWelcomeWindow->playerAccepted);
    QVERIFY(theGameWindow->isVisible());
    QVERIFY(!theWelcomeWindow->isVisible());
    QCOMPARE(theGameWindow->rollsLabel->text(), u"1"_s);
    QCOMPARE(fileContents(settingsFilePath), DefaultLines + "name=Ann\r\n");
}

void TestWelcomeWindow::noNameGivesTheNoticeAndKeepsTheWindow_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");

    QTest::newRow("nothing typed, no roster") << QByteArray() << QString();
    QTest::newRow("only spaces typed over a chosen roster name") << AnnAndBob << u"   "_s;
}

void TestWelcomeWindow::noNameGivesTheNoticeAndKeepsTheWindow()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);

    if (!file.isEmpty())
        writeFileContents(settingsFilePath, file);
    theWelcomeWindow->show();
    const QByteArray before = fileContents(settingsFilePath);

    const MessageBoxAnswers answers({Ok});
    play(typed);
    QCOMPARE(answers.texts(), QStringList {NoNameNotice});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QVERIFY(!theWelcomeWindow->playerAccepted);
    QVERIFY(theWelcomeWindow->isVisible());
    QVERIFY(!theGameWindow->isVisible());
    QVERIFY(!gameStarted);
    QVERIFY(currentPlayerName.isEmpty());
    QCOMPARE(fileContents(settingsFilePath), before);
}

void TestWelcomeWindow::typedNameLosesTheBlanksAroundIt()
{
    theWelcomeWindow->show();
    play(u"  Ann Lee "_s);
    QCOMPARE(currentPlayerName, u"Ann Lee"_s);
}

void TestWelcomeWindow::typingSelectsNewPlayerAndChoosingARosterNameEmptiesTheField()
{
    writeFileContents(settingsFilePath, AnnAndBob);
    theWelcomeWindow->show();
    QCOMPARE(theWelcomeWindow->playerList->currentText(), u"Ann"_s);

    theWelcomeWindow->nameEdit->setFocus();
    QTest::keyClick(theWelcomeWindow->nameEdit, Qt::Key_Shift);
    QCOMPARE(theWelcomeWindow->playerList->currentIndex(), 0);
    QTest::keyClicks(theWelcomeWindow->nameEdit, u"Cy"_s);

    theWelcomeWindow->playerList->setFocus();
    QTest::keyClick(theWelcomeWindow->playerList, Qt::Key_Down);
    QCOMPARE(theWelcomeWindow->playerList->currentText(), u"Ann"_s);
    QVERIFY(theWelcomeWindow->nameEdit->text().isEmpty());

    QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
    QCOMPARE(currentPlayerName, u"Ann"_s);
    QCOMPARE(fileContents(settingsFilePath), DefaultLines + "name=Ann\r\nname=Bob\r\n");
}

void TestWelcomeWindow::choosingNewPlayerKeepsTheTypedName()
{
    writeFileContents(settingsFilePath, AnnAndBob);
    theWelcomeWindow->show();
    theWelcomeWindow->nameEdit->setText(u"Cy"_s);
    theWelcomeWindow->playerList->setCurrentIndex(0);
    Q_EMIT theWelcomeWindow->playerList->activated(0);
    QCOMPARE(theWelcomeWindow->nameEdit->text(), u"Cy"_s);
}

void TestWelcomeWindow::playDuringAGameAsksFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");

    QTest::newRow("same player, yes") << u"Ann"_s << SamePlayerQuestion << Yes;
    QTest::newRow("same player, no") << u"Ann"_s << SamePlayerQuestion << No;
    QTest::newRow("other player, yes") << u"Bob"_s << OtherPlayerQuestion << Yes;
    QTest::newRow("other player, no") << u"Bob"_s << OtherPlayerQuestion << No;
    QTest::newRow("other player, close box")
            << u"Bob"_s << OtherPlayerQuestion << MessageBoxAnswers::CloseBox;
    QTest::newRow("other player, Escape")
            << u"Bob"_s << OtherPlayerQuestion << MessageBoxAnswers::EscapeKey;
    QTest::newRow("letter case makes another player, yes")
            << u"ann"_s << OtherPlayerQuestion << Yes;
}

void TestWelcomeWindow::playDuringAGameAsksFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, question);
    QFETCH(QString, answer);

    startGameAs(u"Ann"_s);
    QTest::mouseClick(theGameWindow->rollButton, Qt::LeftButton);
    QCOMPARE(theGameWindow->rollsLabel->text(), u"2"_s);
    showForAnotherPlayer();
    const QByteArray before = fileContents(settingsFilePath);

    const MessageBoxAnswers answers({answer});
    theWelcomeWindow->nameEdit->clear();
    play(typed);
    QCOMPARE(answers.texts(), QStringList {question});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QCOMPARE(answers.boxes().constFirst().format, Qt::PlainText);
    if (answer == Yes) {
        QCOMPARE(currentPlayerName, typed);
        QVERIFY(!theWelcomeWindow->isVisible());
        QCOMPARE(theGameWindow->rollsLabel->text(), u"1"_s);
        QVERIFY(fileContents(settingsFilePath)
                        .startsWith(DefaultLines + "name=" + typed.toUtf8() + "\r\n"));
    } else {
        QCOMPARE(currentPlayerName, u"Ann"_s);
        QVERIFY(theWelcomeWindow->isVisible());
        QCOMPARE(theGameWindow->rollsLabel->text(), u"2"_s);
        QCOMPARE(fileContents(settingsFilePath), before);
    }
}

void TestWelcomeWindow::newPlayerWithNothingTypedDuringAGameAsksThenGivesTheNotice()
{
    startGameAs(u"Ann"_s);
    showForAnotherPlayer();
    theWelcomeWindow->nameEdit->clear();

    const MessageBoxAnswers answers({Yes, Ok});
    QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
    QCOMPARE(answers.texts(), (QStringList {OtherPlayerQuestion, NoNameNotice}));
    QVERIFY(!theWelcomeWindow->playerAccepted);
    QVERIFY(theWelcomeWindow->isVisible());
    QCOMPARE(currentPlayerName, u"Ann"_s);
}

void TestWelcomeWindow::laterShowingOffersCancelAndReadsNothing()
{
    startGameAs(u"Ann"_s);
    writeFileContents(settingsFilePath, "name=Zed\r\ncolor1=clRed\r\n");
    showForAnotherPlayer();
    QVERIFY(theWelcomeWindow->cancelButton->isVisible());
    QVERIFY(!theWelcomeWindow->exitButton->isVisible());
    QVERIFY(theWelcomeWindow->playerList->isHidden());
    QCOMPARE(gradientStartColor, Colors::Aqua);
}

void TestWelcomeWindow::cancelLeavesTheGameUntouched()
{
    startGameAs(u"Ann"_s);
    theGameWindow->toggleHoldOfDie2();
    QTest::mouseClick(theGameWindow->rollButton, Qt::LeftButton);
    QTest::mouseClick(theGameWindow->chanceButton, Qt::LeftButton);
    const GameState game = theGameWindow->game();
    const QByteArray file = fileContents(settingsFilePath);

    showForAnotherPlayer();
    QTest::keyClicks(theWelcomeWindow->nameEdit, u"Bob"_s);
    QTest::mouseClick(theWelcomeWindow->cancelButton, Qt::LeftButton);
    QVERIFY(!theWelcomeWindow->isVisible());
    QCOMPARE(theGameWindow->game().diceValues, game.diceValues);
    QCOMPARE(theGameWindow->game().heldDice, game.heldDice);
    QCOMPARE(theGameWindow->game().rollCount, game.rollCount);
    QCOMPARE(theGameWindow->game().pendingPoints, game.pendingPoints);
    QVERIFY(theGameWindow->game().categorySelected);
    QCOMPARE(currentPlayerName, u"Ann"_s);
    QCOMPARE(fileContents(settingsFilePath), file);
}

void TestWelcomeWindow::malformedFileShowsTheErrorAndTheWindowAnyway()
{
    writeFileContents(settingsFilePath, "name=Ann\r\ncolor1=255 \r\nname=Bob\r\n");
    const MessageBoxAnswers answers({Ok});
    theWelcomeWindow->show();
    QCOMPARE(answers.texts(), QStringList {u"'255 ' is not a valid integer value."_s});
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(theWelcomeWindow->isVisible());
    QCOMPARE(theWelcomeWindow->playerList->count(), 3);
    QCOMPARE(theWelcomeWindow->playerList->currentText(), u"Ann"_s);
}

void TestWelcomeWindow::failedSaveAfterPlayShowsTheErrorAndNoGame()
{
    // A path through a regular file cannot be written, even by root.
    theWelcomeWindow->show();
    settingsFilePath = m_program.filePath(u"settings.cfg/settings.cfg"_s);

    const MessageBoxAnswers answers({Ok});
    play(u"Ann"_s);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(theWelcomeWindow->isVisible());
    QVERIFY(!theGameWindow->isVisible());
    QVERIFY(!gameStarted);
    QCOMPARE(currentPlayerName, u"Ann"_s);
    QVERIFY(theWelcomeWindow->playerAccepted);
}

void TestWelcomeWindow::pastedLineBreakNeverReachesTheFile()
{
    theWelcomeWindow->show();
    theWelcomeWindow->nameEdit->insert(u"Eve\r\nhname=Eve\nhscore=999"_s);
    QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
    QCOMPARE(currentPlayerName, u"Evehname=Evehscore=9"_s);
    QCOMPARE(fileContents(settingsFilePath), DefaultLines + "name=Evehname=Evehscore=9\r\n");
}

void TestWelcomeWindow::playIsInertWhileTheDiceTumble()
{
    startGameAs(u"Ann"_s);
    theGameWindow->animationAction->trigger();
    showForAnotherPlayer();
    theWelcomeWindow->nameEdit->setText(u"Bob"_s);

    const MessageBoxAnswers answers({Yes});
    // Alt+P clicks "Play!" a moment late, and the dice start to tumble before that.
    theWelcomeWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(theWelcomeWindow));
    QTest::keyClick(theWelcomeWindow, Qt::Key_P, Qt::AltModifier);
    QVERIFY(theWelcomeWindow->playButton->isDown());
    const QSignalSpy lateClick(theWelcomeWindow->playButton, &QPushButton::clicked);
    bool checked = false;
    QTimer::singleShot(0, theWelcomeWindow, [&] {
        checked = true;
        QVERIFY(theGameWindow->isRolling());
        QVERIFY(!theWelcomeWindow->playButton->isEnabled());
        QTRY_VERIFY(!lateClick.isEmpty());
        QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
        QTest::keyClick(theWelcomeWindow, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(currentPlayerName, u"Ann"_s);
        QCOMPARE(theGameWindow->rollsLabel->text(), u"2"_s);
    });
    QTest::mouseClick(theGameWindow->rollButton, Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(theWelcomeWindow->playButton->isEnabled());
    QCOMPARE(theGameWindow->rollsLabel->text(), u"2"_s);

    QTest::mouseClick(theWelcomeWindow->playButton, Qt::LeftButton);
    QCOMPARE(answers.texts(), QStringList {OtherPlayerQuestion});
    QCOMPARE(currentPlayerName, u"Bob"_s);
}

QTEST_MAIN(TestWelcomeWindow)
// The fields carry their captions as labels, the window shows as a window rather than a filler.
void TestWelcomeWindow::screenReadersMeetAWindowWithLabelledFields()
{
    theWelcomeWindow->show();
    const auto accessible
            = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); };
    QCOMPARE(accessible(theWelcomeWindow)->role(), QAccessible::Window);
    QCOMPARE(accessible(theWelcomeWindow->nameEdit)->text(QAccessible::Name),
             u"New Player's Name:"_s);
    for (auto [field, caption] : {std::pair<QWidget *, QLabel *> {theWelcomeWindow->playerList,
                                                                  theWelcomeWindow->chooseCaption},
                                  {theWelcomeWindow->nameEdit, theWelcomeWindow->nameCaption}}) {
        const auto labels = accessible(field)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), caption);
    }
}

#include "tst_welcomewindow.moc"
