#include "game/game.h"
#include "game/random.h"
#include "messageboxanswers.h"
#include "players/session.h"
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
    void failedSaveAfterPlayShowsTheErrorAndStartsTheGame();
    void pastedLineBreakNeverReachesTheFile();
    void playIsInertWhileTheDiceTumble();
    void screenReadersMeetAWindowWithLabelledFields();

private:
    void play(const QString &typedName);
    void startGameAs(const QString &name);
    void showForAnotherPlayer();
    Session &session() { return m_program.session(); }
    QLineEdit *nameEdit() { return m_program.welcomeControl<QLineEdit>(u"nameEdit"_s); }
    QComboBox *playerList() { return m_program.welcomeControl<QComboBox>(u"playerList"_s); }
    QPushButton *playButton() { return m_program.welcomeControl<QPushButton>(u"playButton"_s); }
    QPushButton *exitButton() { return m_program.welcomeControl<QPushButton>(u"exitButton"_s); }
    QPushButton *cancelButton() { return m_program.welcomeControl<QPushButton>(u"cancelButton"_s); }
    QLabel *chooseCaption() { return m_program.welcomeControl<QLabel>(u"chooseCaption"_s); }
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
    nameEdit()->setFocus();
    QTest::keyClicks(nameEdit(), typedName);
    QTest::mouseClick(playButton(), Qt::LeftButton);
}

void TestWelcomeWindow::startGameAs(const QString &name)
{
    m_program.welcomeWindow()->show();
    processRandom().setSeed(1);
    play(name);
    QVERIFY(session().gameStarted());
    QCOMPARE(session().playerName(), name);
}

void TestWelcomeWindow::showForAnotherPlayer()
{
    m_program.gameControl<QAction>(u"differentPlayerAction"_s)->trigger();
    QVERIFY(m_program.welcomeWindow()->isVisible());
}

void TestWelcomeWindow::firstShowingOffersExitAndTheSplash()
{
    m_program.welcomeWindow()->show();
    QCOMPARE(m_program.welcomeWindow()->windowTitle(), u"Welcome to Tovik v2!"_s);
    QCOMPARE(m_program.welcomeWindow()->size(), QSize(600, 400));
    QVERIFY(!(m_program.welcomeWindow()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(m_program.welcomeWindow()->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(m_program.welcomeControl<QLabel>(u"splashImage"_s)->pixmap().size(), QSize(600, 400));
    QVERIFY(exitButton()->isVisible());
    QVERIFY(!cancelButton()->isVisible());
    QVERIFY(!playerList()->isVisible());
    QVERIFY(!chooseCaption()->isVisible());
    QVERIFY(!playerList()->isEditable());
    QVERIFY(!m_program.gameWindow()->isVisible());
}

void TestWelcomeWindow::firstRunAsksNothingAndSavesTheTypedName()
{
    const MessageBoxAnswers answers;
    startGameAs(u"Ann"_s);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(m_program.welcomeWindow()->playerAccepted);
    QVERIFY(m_program.gameWindow()->isVisible());
    QVERIFY(!m_program.welcomeWindow()->isVisible());
    QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"1"_s);
    QCOMPARE(fileContents(session().settingsPath()), DefaultLines + "name=Ann\r\n");
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
        writeFileContents(session().settingsPath(), file);
    m_program.welcomeWindow()->show();
    const QByteArray before = fileContents(session().settingsPath());

    const MessageBoxAnswers answers({Ok});
    play(typed);
    QCOMPARE(answers.texts(), QStringList {NoNameNotice});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QVERIFY(!m_program.welcomeWindow()->playerAccepted);
    QVERIFY(m_program.welcomeWindow()->isVisible());
    QVERIFY(!m_program.gameWindow()->isVisible());
    QVERIFY(!session().gameStarted());
    QVERIFY(session().playerName().isEmpty());
    QCOMPARE(fileContents(session().settingsPath()), before);
}

void TestWelcomeWindow::typedNameLosesTheBlanksAroundIt()
{
    m_program.welcomeWindow()->show();
    play(u"  Ann Lee "_s);
    QCOMPARE(session().playerName(), u"Ann Lee"_s);
}

void TestWelcomeWindow::typingSelectsNewPlayerAndChoosingARosterNameEmptiesTheField()
{
    writeFileContents(session().settingsPath(), AnnAndBob);
    m_program.welcomeWindow()->show();
    QCOMPARE(playerList()->currentText(), u"Ann"_s);

    nameEdit()->setFocus();
    QTest::keyClick(nameEdit(), Qt::Key_Shift);
    QCOMPARE(playerList()->currentIndex(), 0);
    QTest::keyClicks(nameEdit(), u"Cy"_s);

    playerList()->setFocus();
    QTest::keyClick(playerList(), Qt::Key_Down);
    QCOMPARE(playerList()->currentText(), u"Ann"_s);
    QVERIFY(nameEdit()->text().isEmpty());

    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(session().playerName(), u"Ann"_s);
    QCOMPARE(fileContents(session().settingsPath()), DefaultLines + "name=Ann\r\nname=Bob\r\n");
}

void TestWelcomeWindow::choosingNewPlayerKeepsTheTypedName()
{
    writeFileContents(session().settingsPath(), AnnAndBob);
    m_program.welcomeWindow()->show();
    nameEdit()->setText(u"Cy"_s);
    playerList()->setCurrentIndex(0);
    Q_EMIT playerList()->activated(0);
    QCOMPARE(nameEdit()->text(), u"Cy"_s);
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
    QTest::mouseClick(m_program.gameControl<QPushButton>(u"rollButton"_s), Qt::LeftButton);
    QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"2"_s);
    showForAnotherPlayer();
    const QByteArray before = fileContents(session().settingsPath());

    const MessageBoxAnswers answers({answer});
    nameEdit()->clear();
    play(typed);
    QCOMPARE(answers.texts(), QStringList {question});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QCOMPARE(answers.boxes().constFirst().format, Qt::PlainText);
    if (answer == Yes) {
        QCOMPARE(session().playerName(), typed);
        QVERIFY(!m_program.welcomeWindow()->isVisible());
        QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"1"_s);
        QVERIFY(fileContents(session().settingsPath())
                        .startsWith(DefaultLines + "name=" + typed.toUtf8() + "\r\n"));
    } else {
        QCOMPARE(session().playerName(), u"Ann"_s);
        QVERIFY(m_program.welcomeWindow()->isVisible());
        QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"2"_s);
        QCOMPARE(fileContents(session().settingsPath()), before);
    }
}

void TestWelcomeWindow::newPlayerWithNothingTypedDuringAGameAsksThenGivesTheNotice()
{
    startGameAs(u"Ann"_s);
    showForAnotherPlayer();
    nameEdit()->clear();

    const MessageBoxAnswers answers({Yes, Ok});
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(answers.texts(), (QStringList {OtherPlayerQuestion, NoNameNotice}));
    QVERIFY(!m_program.welcomeWindow()->playerAccepted);
    QVERIFY(m_program.welcomeWindow()->isVisible());
    QCOMPARE(session().playerName(), u"Ann"_s);
}

void TestWelcomeWindow::laterShowingOffersCancelAndReadsNothing()
{
    startGameAs(u"Ann"_s);
    writeFileContents(session().settingsPath(), "name=Zed\r\ncolor1=clRed\r\n");
    showForAnotherPlayer();
    QVERIFY(cancelButton()->isVisible());
    QVERIFY(!exitButton()->isVisible());
    QVERIFY(playerList()->isHidden());
    QCOMPARE(session().startColor(), Colors::Aqua);
}

void TestWelcomeWindow::cancelLeavesTheGameUntouched()
{
    startGameAs(u"Ann"_s);
    m_program.gameWindow()->toggleHold(1);
    QTest::mouseClick(m_program.gameControl<QPushButton>(u"rollButton"_s), Qt::LeftButton);
    QTest::mouseClick(m_program.gameControl<QPushButton>(u"chanceButton"_s), Qt::LeftButton);
    const Position game = m_program.gameWindow()->game().position();
    const QByteArray file = fileContents(session().settingsPath());

    showForAnotherPlayer();
    QTest::keyClicks(nameEdit(), u"Bob"_s);
    QTest::mouseClick(cancelButton(), Qt::LeftButton);
    QVERIFY(!m_program.welcomeWindow()->isVisible());
    QCOMPARE(m_program.gameWindow()->game().position(), game);
    QVERIFY(game.selection);
    QCOMPARE(session().playerName(), u"Ann"_s);
    QCOMPARE(fileContents(session().settingsPath()), file);
}

void TestWelcomeWindow::malformedFileShowsTheErrorAndTheWindowAnyway()
{
    writeFileContents(session().settingsPath(), "name=Ann\r\ncolor1=255 \r\nname=Bob\r\n");
    const MessageBoxAnswers answers({Ok});
    m_program.welcomeWindow()->show();
    QCOMPARE(answers.texts(), QStringList {u"'255 ' is not a valid integer value."_s});
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(m_program.welcomeWindow()->isVisible());
    QCOMPARE(playerList()->count(), 3);
    QCOMPARE(playerList()->currentText(), u"Ann"_s);
}

void TestWelcomeWindow::failedSaveAfterPlayShowsTheErrorAndStartsTheGame()
{
    // A path through a regular file cannot be written, even by root.
    m_program.welcomeWindow()->show();
    session().setSettingsPath(m_program.filePath(u"settings.cfg/settings.cfg"_s));

    const MessageBoxAnswers answers({Ok});
    play(u"Ann"_s);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(!m_program.welcomeWindow()->isVisible());
    QVERIFY(m_program.gameWindow()->isVisible());
    QVERIFY(session().gameStarted());
    QCOMPARE(session().playerName(), u"Ann"_s);
    QVERIFY(m_program.welcomeWindow()->playerAccepted);
}

void TestWelcomeWindow::pastedLineBreakNeverReachesTheFile()
{
    m_program.welcomeWindow()->show();
    nameEdit()->insert(u"Eve\r\nhname=Eve\nhscore=999"_s);
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(session().playerName(), u"Evehname=Evehscore=9"_s);
    QCOMPARE(fileContents(session().settingsPath()),
             DefaultLines + "name=Evehname=Evehscore=9\r\n");
}

void TestWelcomeWindow::playIsInertWhileTheDiceTumble()
{
    startGameAs(u"Ann"_s);
    m_program.gameControl<QAction>(u"animationAction"_s)->trigger();
    showForAnotherPlayer();
    nameEdit()->setText(u"Bob"_s);

    const MessageBoxAnswers answers({Yes});
    // Alt+P clicks "Play!" a moment late, and the dice start to tumble before that.
    m_program.welcomeWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_program.welcomeWindow()));
    QTest::keyClick(m_program.welcomeWindow(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(playButton()->isDown());
    const QSignalSpy lateClick(playButton(), &QPushButton::clicked);
    bool checked = false;
    QTimer::singleShot(0, m_program.welcomeWindow(), [&] {
        checked = true;
        QVERIFY(m_program.gameWindow()->isRolling());
        QVERIFY(!playButton()->isEnabled());
        QTRY_VERIFY(!lateClick.isEmpty());
        QTest::mouseClick(playButton(), Qt::LeftButton);
        QTest::keyClick(m_program.welcomeWindow(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(session().playerName(), u"Ann"_s);
        QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"2"_s);
    });
    QTest::mouseClick(m_program.gameControl<QPushButton>(u"rollButton"_s), Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(playButton()->isEnabled());
    QCOMPARE(m_program.gameControl<QLabel>(u"rollsLabel"_s)->text(), u"2"_s);

    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(answers.texts(), QStringList {OtherPlayerQuestion});
    QCOMPARE(session().playerName(), u"Bob"_s);
}

QTEST_MAIN(TestWelcomeWindow)
// The fields carry their captions as labels, the window shows as a window rather than a filler.
void TestWelcomeWindow::screenReadersMeetAWindowWithLabelledFields()
{
    m_program.welcomeWindow()->show();
    const auto accessible
            = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); };
    QCOMPARE(accessible(m_program.welcomeWindow())->role(), QAccessible::Window);
    QCOMPARE(accessible(nameEdit())->text(QAccessible::Name), u"New Player's Name:"_s);
    for (auto [field, caption] :
         {std::pair<QWidget *, QLabel *> {playerList(), chooseCaption()},
          {nameEdit(), m_program.welcomeControl<QLabel>(u"nameCaption"_s)}}) {
        const auto labels = accessible(field)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), caption);
    }
}

#include "tst_welcomewindow.moc"
