#include "app/mainwindow.h"
#include "players/highscorewindow.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

class TestHighScoreWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void recordModeOffersThePlayerAndTheFinalScore();
    void okInRecordModeStoresTheNameAsTypedAndSaves_data();
    void okInRecordModeStoresTheNameAsTypedAndSaves();
    void failedSaveKeepsTheWindowOpenWithTheNewRecord();
    void closeBoxInRecordModeStoresNothingButKeepsTheMenuItem();
    void viewModeShowsOnlyTheHolderAndTheNumber();
    void viewModeShowsTheWholeName_data();
    void viewModeShowsTheWholeName();
    void nameFieldKeepsWhatTheSettingsFileCanHold_data();
    void nameFieldKeepsWhatTheSettingsFileCanHold();
    void backgroundShowsTheColourPair_data() { addColourPairRows(); }
    void backgroundShowsTheColourPair();

private:
    QStringList savedLines() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TForm1> m_gameWindow;
    std::unique_ptr<TForm3> m_welcomeWindow;
};

void TestHighScoreWindow::init()
{
    m_gameWindow = std::make_unique<TForm1>();
    Form1 = m_gameWindow.get();
    m_welcomeWindow = std::make_unique<TForm3>();
    Form3 = m_welcomeWindow.get();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    SettingsPath = m_folder->filePath(QStringLiteral("settings.cfg"));

    PlayerName = QStringLiteral("Ann");
    HighScore = 0;
    HighScoreName.clear();
    Form1->ScoreLabel->setText(QStringLiteral("287"));
}

void TestHighScoreWindow::cleanup()
{
    Form3 = nullptr;
    Form1 = nullptr;
    m_welcomeWindow.reset();
    m_gameWindow.reset();
    m_folder.reset();
}

QStringList TestHighScoreWindow::savedLines() const
{
    QFile file(SettingsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
}

void TestHighScoreWindow::recordModeOffersThePlayerAndTheFinalScore()
{
    TForm4 window;
    window.SetNewScore();
    window.show();

    QVERIFY(NewHighScoreMode);
    QVERIFY(Form1->HighestScore1->isEnabled());
    QCOMPARE(window.Label1->text(), QStringLiteral("Name:"));
    QCOMPARE(window.Label2->text(), QStringLiteral("Score:"));
    QCOMPARE(window.Label3->text(), QStringLiteral("287"));
    QCOMPARE(window.Edit1->text(), QStringLiteral("Ann"));
    QVERIFY(window.Label1->isVisible() && window.Label2->isVisible());
    QVERIFY(window.Label3->isVisible() && window.Edit1->isVisible());
    // The field and the score line up to the right of their captions.
    QCOMPARE(window.Edit1->mapTo(&window, QPoint()).x(), 128);
    QCOMPARE(QAccessible::queryAccessibleInterface(window.Edit1)->text(QAccessible::Name),
             QStringLiteral("Name:"));
    QCOMPARE(window.Label3->mapTo(&window, QPoint()).x(), 128);
    QVERIFY(window.Label1->mapTo(&window, QPoint(window.Label1->width(), 0)).x() < 128);
}

void TestHighScoreWindow::okInRecordModeStoresTheNameAsTypedAndSaves_data()
{
    QTest::addColumn<bool>("retype");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("player's name") << false << QString() << QStringLiteral("Ann");
    QTest::newRow("blanks kept") << true << QStringLiteral(" Ann Lee ")
                                 << QStringLiteral(" Ann Lee ");
    QTest::newRow("cleared") << true << QString() << QString();
}

void TestHighScoreWindow::okInRecordModeStoresTheNameAsTypedAndSaves()
{
    QFETCH(bool, retype);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    TForm4 window;
    window.SetNewScore();
    ModalAnswer<TForm4> answer([&](TForm4 *shown) {
        if (retype) {
            shown->Edit1->clear();
            QTest::keyClicks(shown->Edit1, typed);
        }
        QTest::mouseClick(shown->Button1, Qt::LeftButton);
    });
    window.exec();

    QVERIFY(answer.answered());
    QCOMPARE(HighScoreName, stored);
    QCOMPARE(HighScore, 287);
    const QStringList lines = savedLines();
    QVERIFY(lines.contains(QStringLiteral("hname=") + stored));
    QVERIFY(lines.contains(QStringLiteral("hscore=287")));
}

void TestHighScoreWindow::failedSaveKeepsTheWindowOpenWithTheNewRecord()
{
    // A path through a regular file cannot be written, not even by root.
    QFile blocker(m_folder->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    SettingsPath = blocker.fileName() + QStringLiteral("/settings.cfg");

    TForm4 window;
    window.SetNewScore();
    window.show();
    ModalAnswer<QMessageBox> errorBox([](QMessageBox *box) { box->accept(); });
    QTest::mouseClick(window.Button1, Qt::LeftButton);

    QVERIFY(errorBox.answered());
    QVERIFY(window.isVisible());
    QCOMPARE(HighScoreName, QStringLiteral("Ann"));
    QCOMPARE(HighScore, 287);
}

void TestHighScoreWindow::closeBoxInRecordModeStoresNothingButKeepsTheMenuItem()
{
    {
        TForm4 window;
        window.SetNewScore();
        window.show();
        window.close();
    }
    QCOMPARE(HighScoreName, QString());
    QCOMPARE(HighScore, 0);
    QVERIFY(Form1->HighestScore1->isEnabled());
    QVERIFY(!QFile::exists(SettingsPath));
}

void TestHighScoreWindow::viewModeShowsOnlyTheHolderAndTheNumber()
{
    HighScoreName = QStringLiteral("Bob <b>");
    HighScore = 312;
    TForm4 window;
    window.ViewScore();
    window.show();

    QCOMPARE(window.Label1->text(), QStringLiteral("Bob <b>"));
    QCOMPARE(window.Label1->textFormat(), Qt::PlainText);
    QVERIFY(window.Label1->width() >= window.Label1->sizeHint().width());
    QCOMPARE(window.Label2->text(), QStringLiteral("312"));
    QVERIFY(!window.Label3->isVisible() && !window.Edit1->isVisible());
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(SettingsPath));
}

void TestHighScoreWindow::viewModeShowsTheWholeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("accented capitals") << QStringLiteral("Émile Ève Åsa");
    QTest::newRow("descenders") << QStringLiteral("Gjøgy Pqy");
}

// The label is as tall as the layout gives it and holds the ink of the name drawn with room all
// round, but for the faint fringe that smoothing lays beyond the font's own clipping box.
void TestHighScoreWindow::viewModeShowsTheWholeName()
{
    QFETCH(const QString, name);
    HighScoreName = name;
    TForm4 window;
    window.ViewScore();
    window.show();

    QCOMPARE(window.Label1->height(), 19);
    const int uncut = uncutInkOf(name, window.Label1->font());
    const int shown = inkOf(window.Label1->grab().toImage(), Qt::black);
    QVERIFY2(uncut - shown <= uncut / 100,
             qPrintable(QStringLiteral("%1 of %2 pixels of ink cut off")
                                .arg(uncut - shown)
                                .arg(uncut)));
}

void TestHighScoreWindow::nameFieldKeepsWhatTheSettingsFileCanHold_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("kept");

    const QString twenty = QStringLiteral("abcdefghijklmnopqrst");
    QTest::newRow("twenty-five") << twenty + QStringLiteral("uvwxy") << twenty;
    QTest::newRow("line breaks, tabs")
            << QStringLiteral("Ann\r\nLee\t!") << QStringLiteral("AnnLee!");
    const QString die = QStringLiteral("\U0001F3B2");
    QTest::newRow("characters, not units") << die.repeated(21) << die.repeated(20);
}

void TestHighScoreWindow::nameFieldKeepsWhatTheSettingsFileCanHold()
{
    QFETCH(QString, entered);
    QFETCH(QString, kept);

    TForm4 window;
    window.SetNewScore();
    window.Edit1->clear();
    window.Edit1->insert(entered);
    QCOMPARE(window.Edit1->text(), kept);
}

void TestHighScoreWindow::backgroundShowsTheColourPair()
{
    QFETCH(TColor, start);
    QFETCH(TColor, end);

    GradientStartColor = start;
    GradientEndColor = end;
    TForm4 window;
    window.ViewScore();
    window.show();
    verifyBackground(&window, start, end);
}

QTEST_MAIN(TestHighScoreWindow)
#include "tst_highscorewindow.moc"
