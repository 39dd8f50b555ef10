#include "app/mainwindow.h"
#include "game/gamestate.h"
#include "game/random.h"
#include "game/rollpacing.h"
#include "players/messageboxanswers.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "programfixture.h"
#include "testfiles.h"

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
    Form3->PlayersName->setFocus();
    QTest::keyClicks(Form3->PlayersName, typedName);
    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
}

void TestWelcomeWindow::startGameAs(const QString &name)
{
    Form3->show();
    processRandom().setSeed(1);
    play(name);
    QVERIFY(GameStarted);
    QCOMPARE(PlayerName, name);
}

void TestWelcomeWindow::showForAnotherPlayer()
{
    Form1->Playfordifferentplayer1->trigger();
    QVERIFY(Form3->isVisible());
}

void TestWelcomeWindow::firstShowingOffersExitAndTheSplash()
{
    Form3->show();
    QCOMPARE(Form3->windowTitle(), u"Welcome to Tovik v2!"_s);
    QCOMPARE(Form3->size(), QSize(600, 400));
    QVERIFY(!(Form3->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(Form3->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(Form3->Image1->pixmap().size(), QSize(600, 400));
    QVERIFY(Form3->Button2->isVisible());
    QVERIFY(!Form3->Button3->isVisible());
    QVERIFY(!Form3->ComboBox1->isVisible());
    QVERIFY(!Form3->Label2->isVisible());
    QVERIFY(!Form3->ComboBox1->isEditable());
    QVERIFY(!Form1->isVisible());
}

void TestWelcomeWindow::firstRunAsksNothingAndSavesTheTypedName()
{
    const MessageBoxAnswers answers;
    startGameAs(u"Ann"_s);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(Form3->PlayerAccepted);
    QVERIFY(Form1->isVisible());
    QVERIFY(!Form3->isVisible());
    QCOMPARE(Form1->RollsLabel->text(), u"1"_s);
    QCOMPARE(fileContents(SettingsPath), DefaultLines + "name=Ann\r\n");
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
        writeFileContents(SettingsPath, file);
    Form3->show();
    const QByteArray before = fileContents(SettingsPath);

    const MessageBoxAnswers answers({Ok});
    play(typed);
    QCOMPARE(answers.texts(), QStringList {NoNameNotice});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QVERIFY(!Form3->PlayerAccepted);
    QVERIFY(Form3->isVisible());
    QVERIFY(!Form1->isVisible());
    QVERIFY(!GameStarted);
    QVERIFY(PlayerName.isEmpty());
    QCOMPARE(fileContents(SettingsPath), before);
}

void TestWelcomeWindow::typedNameLosesTheBlanksAroundIt()
{
    Form3->show();
    play(u"  Ann Lee "_s);
    QCOMPARE(PlayerName, u"Ann Lee"_s);
}

void TestWelcomeWindow::typingSelectsNewPlayerAndChoosingARosterNameEmptiesTheField()
{
    writeFileContents(SettingsPath, AnnAndBob);
    Form3->show();
    QCOMPARE(Form3->ComboBox1->currentText(), u"Ann"_s);

    Form3->PlayersName->setFocus();
    QTest::keyClick(Form3->PlayersName, Qt::Key_Shift);
    QCOMPARE(Form3->ComboBox1->currentIndex(), 0);
    QTest::keyClicks(Form3->PlayersName, u"Cy"_s);

    Form3->ComboBox1->setFocus();
    QTest::keyClick(Form3->ComboBox1, Qt::Key_Down);
    QCOMPARE(Form3->ComboBox1->currentText(), u"Ann"_s);
    QVERIFY(Form3->PlayersName->text().isEmpty());

    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
    QCOMPARE(PlayerName, u"Ann"_s);
    QCOMPARE(fileContents(SettingsPath), DefaultLines + "name=Ann\r\nname=Bob\r\n");
}

void TestWelcomeWindow::choosingNewPlayerKeepsTheTypedName()
{
    writeFileContents(SettingsPath, AnnAndBob);
    Form3->show();
    Form3->PlayersName->setText(u"Cy"_s);
    Form3->ComboBox1->setCurrentIndex(0);
    Q_EMIT Form3->ComboBox1->activated(0);
    QCOMPARE(Form3->PlayersName->text(), u"Cy"_s);
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
    QTest::mouseClick(Form1->RollButton, Qt::LeftButton);
    QCOMPARE(Form1->RollsLabel->text(), u"2"_s);
    showForAnotherPlayer();
    const QByteArray before = fileContents(SettingsPath);

    const MessageBoxAnswers answers({answer});
    Form3->PlayersName->clear();
    play(typed);
    QCOMPARE(answers.texts(), QStringList {question});
    QCOMPARE(answers.boxes().constFirst().title, u"Warning"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Warning);
    QCOMPARE(answers.boxes().constFirst().format, Qt::PlainText);
    if (answer == Yes) {
        QCOMPARE(PlayerName, typed);
        QVERIFY(!Form3->isVisible());
        QCOMPARE(Form1->RollsLabel->text(), u"1"_s);
        QVERIFY(fileContents(SettingsPath)
                        .startsWith(DefaultLines + "name=" + typed.toUtf8() + "\r\n"));
    } else {
        QCOMPARE(PlayerName, u"Ann"_s);
        QVERIFY(Form3->isVisible());
        QCOMPARE(Form1->RollsLabel->text(), u"2"_s);
        QCOMPARE(fileContents(SettingsPath), before);
    }
}

void TestWelcomeWindow::newPlayerWithNothingTypedDuringAGameAsksThenGivesTheNotice()
{
    startGameAs(u"Ann"_s);
    showForAnotherPlayer();
    Form3->PlayersName->clear();

    const MessageBoxAnswers answers({Yes, Ok});
    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
    QCOMPARE(answers.texts(), (QStringList {OtherPlayerQuestion, NoNameNotice}));
    QVERIFY(!Form3->PlayerAccepted);
    QVERIFY(Form3->isVisible());
    QCOMPARE(PlayerName, u"Ann"_s);
}

void TestWelcomeWindow::laterShowingOffersCancelAndReadsNothing()
{
    startGameAs(u"Ann"_s);
    writeFileContents(SettingsPath, "name=Zed\r\ncolor1=clRed\r\n");
    showForAnotherPlayer();
    QVERIFY(Form3->Button3->isVisible());
    QVERIFY(!Form3->Button2->isVisible());
    QVERIFY(Form3->ComboBox1->isHidden());
    QCOMPARE(GradientStartColor, clAqua);
}

void TestWelcomeWindow::cancelLeavesTheGameUntouched()
{
    startGameAs(u"Ann"_s);
    Form1->Image2MouseDown();
    QTest::mouseClick(Form1->RollButton, Qt::LeftButton);
    QTest::mouseClick(Form1->ChanceButton, Qt::LeftButton);
    const GameState game = Form1->game();
    const QByteArray file = fileContents(SettingsPath);

    showForAnotherPlayer();
    QTest::keyClicks(Form3->PlayersName, u"Bob"_s);
    QTest::mouseClick(Form3->Button3, Qt::LeftButton);
    QVERIFY(!Form3->isVisible());
    QCOMPARE(Form1->game().DiceValues, game.DiceValues);
    QCOMPARE(Form1->game().HeldDice, game.HeldDice);
    QCOMPARE(Form1->game().RollCount, game.RollCount);
    QCOMPARE(Form1->game().PendingPoints, game.PendingPoints);
    QVERIFY(Form1->game().ItemSelected);
    QCOMPARE(PlayerName, u"Ann"_s);
    QCOMPARE(fileContents(SettingsPath), file);
}

void TestWelcomeWindow::malformedFileShowsTheErrorAndTheWindowAnyway()
{
    writeFileContents(SettingsPath, "name=Ann\r\ncolor1=255 \r\nname=Bob\r\n");
    const MessageBoxAnswers answers({Ok});
    Form3->show();
    QCOMPARE(answers.texts(), QStringList {u"'255 ' is not a valid integer value."_s});
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(Form3->isVisible());
    QCOMPARE(Form3->ComboBox1->count(), 3);
    QCOMPARE(Form3->ComboBox1->currentText(), u"Ann"_s);
}

void TestWelcomeWindow::failedSaveAfterPlayShowsTheErrorAndNoGame()
{
    // A path through a regular file cannot be written, even by root.
    Form3->show();
    SettingsPath = m_program.filePath(u"settings.cfg/settings.cfg"_s);

    const MessageBoxAnswers answers({Ok});
    play(u"Ann"_s);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QVERIFY(Form3->isVisible());
    QVERIFY(!Form1->isVisible());
    QVERIFY(!GameStarted);
    QCOMPARE(PlayerName, u"Ann"_s);
    QVERIFY(Form3->PlayerAccepted);
}

void TestWelcomeWindow::pastedLineBreakNeverReachesTheFile()
{
    Form3->show();
    Form3->PlayersName->insert(u"Eve\r\nhname=Eve\nhscore=999"_s);
    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
    QCOMPARE(PlayerName, u"Evehname=Evehscore=9"_s);
    QCOMPARE(fileContents(SettingsPath), DefaultLines + "name=Evehname=Evehscore=9\r\n");
}

void TestWelcomeWindow::playIsInertWhileTheDiceTumble()
{
    startGameAs(u"Ann"_s);
    Form1->Animation1->trigger();
    showForAnotherPlayer();
    Form3->PlayersName->setText(u"Bob"_s);

    const MessageBoxAnswers answers({Yes});
    // Alt+P clicks "Play!" a moment late, and the dice start to tumble before that.
    Form3->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QTest::keyClick(Form3, Qt::Key_P, Qt::AltModifier);
    QVERIFY(Form3->Button1->isDown());
    const QSignalSpy lateClick(Form3->Button1, &QPushButton::clicked);
    bool checked = false;
    QTimer::singleShot(0, Form3, [&] {
        checked = true;
        QVERIFY(Form1->isRolling());
        QVERIFY(!Form3->Button1->isEnabled());
        QTRY_VERIFY(!lateClick.isEmpty());
        QTest::mouseClick(Form3->Button1, Qt::LeftButton);
        QTest::keyClick(Form3, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(PlayerName, u"Ann"_s);
        QCOMPARE(Form1->RollsLabel->text(), u"2"_s);
    });
    QTest::mouseClick(Form1->RollButton, Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(answers.boxes().isEmpty());
    QVERIFY(Form3->Button1->isEnabled());
    QCOMPARE(Form1->RollsLabel->text(), u"2"_s);

    QTest::mouseClick(Form3->Button1, Qt::LeftButton);
    QCOMPARE(answers.texts(), QStringList {OtherPlayerQuestion});
    QCOMPARE(PlayerName, u"Bob"_s);
}

QTEST_MAIN(TestWelcomeWindow)
// The fields carry their captions as labels, the window shows as a window rather than a filler.
void TestWelcomeWindow::screenReadersMeetAWindowWithLabelledFields()
{
    Form3->show();
    const auto accessible
            = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); };
    QCOMPARE(accessible(Form3)->role(), QAccessible::Window);
    QCOMPARE(accessible(Form3->PlayersName)->text(QAccessible::Name), u"New Player's Name:"_s);
    for (auto [field, caption] : {std::pair<QWidget *, QLabel *> {Form3->ComboBox1, Form3->Label2},
                                  {Form3->PlayersName, Form3->Label1}}) {
        const auto labels = accessible(field)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), caption);
    }
}

#include "tst_welcomewindow.moc"
