#include "players/session.h"
#include "windows/gamewindow.h"
#include "windows/highscorewindow.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

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
    std::unique_ptr<Session> m_session;
    std::unique_ptr<GameWindow> m_gameWindow;
};

void TestHighScoreWindow::init()
{
    m_session = std::make_unique<Session>();
    m_gameWindow = std::make_unique<GameWindow>(*m_session);
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_session->setSettingsPath(m_folder->filePath(QStringLiteral("settings.cfg")));

    m_session->setPlayerName(QStringLiteral("Ann"));
    m_session->setRecordScore(0);
    m_session->setRecordHolder(QString());
}

void TestHighScoreWindow::cleanup()
{
    m_gameWindow.reset();
    m_session.reset();
    m_folder.reset();
}

QStringList TestHighScoreWindow::savedLines() const
{
    QFile file(m_session->settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
}

void TestHighScoreWindow::recordModeOffersThePlayerAndTheFinalScore()
{
    HighScoreWindow window(*m_session);
    window.enterRecordMode(287);
    window.show();

    QVERIFY(window.isRecording());
    QVERIFY(control<QAction>(m_gameWindow.get(), u"highestScoreAction"_s)->isEnabled());
    QCOMPARE(control<QLabel>(&window, u"holderLabel"_s)->text(), QStringLiteral("Name:"));
    QCOMPARE(control<QLabel>(&window, u"scoreLabel"_s)->text(), QStringLiteral("Score:"));
    QCOMPARE(control<QLabel>(&window, u"newScoreLabel"_s)->text(), QStringLiteral("287"));
    QCOMPARE(control<QLineEdit>(&window, u"holderEdit"_s)->text(), QStringLiteral("Ann"));
    QVERIFY(control<QLabel>(&window, u"holderLabel"_s)->isVisible()
            && control<QLabel>(&window, u"scoreLabel"_s)->isVisible());
    QVERIFY(control<QLabel>(&window, u"newScoreLabel"_s)->isVisible()
            && control<QLineEdit>(&window, u"holderEdit"_s)->isVisible());
    // The field and the score line up to the right of their captions.
    QCOMPARE(control<QLineEdit>(&window, u"holderEdit"_s)->mapTo(&window, QPoint()).x(), 128);
    QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(&window, u"holderEdit"_s))
                     ->text(QAccessible::Name),
             QStringLiteral("Name:"));
    QCOMPARE(control<QLabel>(&window, u"newScoreLabel"_s)->mapTo(&window, QPoint()).x(), 128);
    QVERIFY(control<QLabel>(&window, u"holderLabel"_s)
                    ->mapTo(&window, QPoint(control<QLabel>(&window, u"holderLabel"_s)->width(), 0))
                    .x()
            < 128);
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

    HighScoreWindow window(*m_session);
    window.enterRecordMode(287);
    ModalAnswer<HighScoreWindow> answer([&](HighScoreWindow *shown) {
        if (retype) {
            control<QLineEdit>(shown, u"holderEdit"_s)->clear();
            QTest::keyClicks(control<QLineEdit>(shown, u"holderEdit"_s), typed);
        }
        QTest::mouseClick(control<QPushButton>(shown, u"okButton"_s), Qt::LeftButton);
    });
    window.exec();

    QVERIFY(answer.answered());
    QCOMPARE(m_session->recordHolder(), stored);
    QCOMPARE(m_session->recordScore(), 287);
    const QStringList lines = savedLines();
    QVERIFY(lines.contains(QStringLiteral("hname=") + stored));
    QVERIFY(lines.contains(QStringLiteral("hscore=287")));
}

void TestHighScoreWindow::failedSaveKeepsTheWindowOpenWithTheNewRecord()
{
    // A path through a regular file cannot be written, not even by root.
    QFile blocker(m_folder->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    m_session->setSettingsPath(blocker.fileName() + QStringLiteral("/settings.cfg"));

    HighScoreWindow window(*m_session);
    window.enterRecordMode(287);
    window.show();
    ModalAnswer<QMessageBox> errorBox([](QMessageBox *box) { box->accept(); });
    QTest::mouseClick(control<QPushButton>(&window, u"okButton"_s), Qt::LeftButton);

    QVERIFY(errorBox.answered());
    QVERIFY(window.isVisible());
    QCOMPARE(m_session->recordHolder(), QStringLiteral("Ann"));
    QCOMPARE(m_session->recordScore(), 287);
}

void TestHighScoreWindow::closeBoxInRecordModeStoresNothingButKeepsTheMenuItem()
{
    {
        HighScoreWindow window(*m_session);
        window.enterRecordMode(287);
        window.show();
        window.close();
    }
    QCOMPARE(m_session->recordHolder(), QString());
    QCOMPARE(m_session->recordScore(), 0);
    QVERIFY(control<QAction>(m_gameWindow.get(), u"highestScoreAction"_s)->isEnabled());
    QVERIFY(!QFile::exists(m_session->settingsPath()));
}

void TestHighScoreWindow::viewModeShowsOnlyTheHolderAndTheNumber()
{
    m_session->setRecordHolder(QStringLiteral("Bob <b>"));
    m_session->setRecordScore(312);
    HighScoreWindow window(*m_session);
    window.enterViewMode();
    window.show();

    QCOMPARE(control<QLabel>(&window, u"holderLabel"_s)->text(), QStringLiteral("Bob <b>"));
    QCOMPARE(control<QLabel>(&window, u"holderLabel"_s)->textFormat(), Qt::PlainText);
    QVERIFY(control<QLabel>(&window, u"holderLabel"_s)->width()
            >= control<QLabel>(&window, u"holderLabel"_s)->sizeHint().width());
    QCOMPARE(control<QLabel>(&window, u"scoreLabel"_s)->text(), QStringLiteral("312"));
    QVERIFY(!control<QLabel>(&window, u"newScoreLabel"_s)->isVisible()
            && !control<QLineEdit>(&window, u"holderEdit"_s)->isVisible());
    QTest::mouseClick(control<QPushButton>(&window, u"okButton"_s), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(m_session->settingsPath()));
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
    m_session->setRecordHolder(name);
    HighScoreWindow window(*m_session);
    window.enterViewMode();
    window.show();

    QCOMPARE(control<QLabel>(&window, u"holderLabel"_s)->height(), 19);
    const int uncut = uncutInkOf(name, control<QLabel>(&window, u"holderLabel"_s)->font());
    const int shown
            = inkOf(control<QLabel>(&window, u"holderLabel"_s)->grab().toImage(), Qt::black);
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

    HighScoreWindow window(*m_session);
    window.enterRecordMode(287);
    control<QLineEdit>(&window, u"holderEdit"_s)->clear();
    control<QLineEdit>(&window, u"holderEdit"_s)->insert(entered);
    QCOMPARE(control<QLineEdit>(&window, u"holderEdit"_s)->text(), kept);
}

void TestHighScoreWindow::backgroundShowsTheColourPair()
{
    QFETCH(Color, start);
    QFETCH(Color, end);

    m_session->setColors(start, end);
    HighScoreWindow window(*m_session);
    window.enterViewMode();
    window.show();
    verifyBackground(&window, start, end);
}

QTEST_MAIN(TestHighScoreWindow)
#include "tst_highscorewindow.moc"
