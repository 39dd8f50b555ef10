#include "../history/historytesting.h"
#include "base/programmodules.h"
#include "history/history.h"
#include "history/historystore.h"
#include "players/session.h"
#include "testfiles.h"
#include "windows/statisticswindow.h"
#include "windowtesting.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheCurrentPlayersGames();
    void choosingAPlayerShowsTheirGames();
    void reviewAsksForTheGameChosenInTheList();
    void exportWritesTheGamesShown();
    void tabReachesEveryControlInReadingOrder();
    void backgroundShowsTheColourPair_data() { addColourPairRows(); }
    void backgroundShowsTheColourPair();

private:
    // Opens the window and waits until it shows the games.
    void openWindow();
    template<typename Control> Control *control(const QString &name)
    {
        return m_window->findChild<Control *>(name);
    }
    QStringList column(const QString &list, int column);

    std::unique_ptr<QTemporaryDir> m_dir;
    Session m_session;
    std::unique_ptr<History> m_history;
    std::unique_ptr<StatisticsWindow> m_window;
};

void TestStatisticsWindow::initTestCase()
{
    findProgramModulesIn(QStringLiteral(TOVIK_BUILD_FOLDER));
}

void TestStatisticsWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString path = m_dir->filePath(u"history.sqlite"_s);
    {
        HistoryStore store(path);
        GameRecord left = sampleGame(u"Ann"_s, 44, 3);
        left.finished = false;
        for (const GameRecord &game : {sampleGame(u"Ann"_s, 210, 1), sampleGame(u"Bob"_s, 180, 2),
                                       left, sampleGame(u"Ann"_s, 260, 4)})
            store.write(game);
    }
    m_session.setPlayerName(u"Ann"_s);
    m_history = std::make_unique<History>(path);
}

void TestStatisticsWindow::cleanup()
{
    m_window.reset();
    m_history.reset();
}

void TestStatisticsWindow::openWindow()
{
    m_window = std::make_unique<StatisticsWindow>(m_session, *m_history);
    QSignalSpy shown(m_window.get(), &StatisticsWindow::gamesShown);
    m_window->show();
    QVERIFY(shown.wait());
}

QStringList TestStatisticsWindow::column(const QString &list, int column)
{
    QStringList texts;
    auto *tree = control<QTreeWidget>(list);
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        texts.append(tree->topLevelItem(row)->text(column));
    return texts;
}

void TestStatisticsWindow::opensOnTheCurrentPlayersGames()
{
    openWindow();
    auto *players = control<QComboBox>(u"playerChoice"_s);
    QCOMPARE(players->currentText(), u"Ann"_s);
    QCOMPARE(players->count(), 3);
    QCOMPARE(players->itemText(0), u"All players"_s);

    QCOMPARE(column(u"gamesList"_s, 2), QStringList({u"260"_s, u"44"_s, u"210"_s}));
    QCOMPARE(column(u"gamesList"_s, 3), QStringList({u"yes"_s, u"no"_s, u"yes"_s}));
    const QStringList figures = column(u"figuresList"_s, 1);
    QCOMPARE(figures.mid(0, 6),
             QStringList({u"3"_s, u"2"_s, u"235.0"_s, u"235.0"_s, u"260"_s, u"210"_s}));
    QCOMPARE(figures.last(), u"not known"_s);
    // The charts come from their module.
    QCOMPARE(control<QWidget>(u"histogramChart"_s)->metaObject()->className(), "QChartView");
    QCOMPARE(control<QWidget>(u"timelineChart"_s)->metaObject()->className(), "QChartView");
}

void TestStatisticsWindow::choosingAPlayerShowsTheirGames()
{
    openWindow();
    auto *players = control<QComboBox>(u"playerChoice"_s);
    players->setCurrentIndex(players->findText(u"Bob"_s));
    QCOMPARE(column(u"gamesList"_s, 1), QStringList {u"Bob"_s});
    QCOMPARE(column(u"figuresList"_s, 1).first(), u"1"_s);
    players->setCurrentIndex(0);
    QCOMPARE(column(u"gamesList"_s, 2), QStringList({u"260"_s, u"44"_s, u"180"_s, u"210"_s}));

    // A game written while the window is open joins it, and the choice stays.
    QSignalSpy shown(m_window.get(), &StatisticsWindow::gamesShown);
    m_history->write(sampleGame(u"Cy"_s, 300, 5));
    QVERIFY(shown.wait());
    QCOMPARE(players->currentText(), u"All players"_s);
    QCOMPARE(column(u"gamesList"_s, 1).first(), u"Cy"_s);
}

void TestStatisticsWindow::reviewAsksForTheGameChosenInTheList()
{
    openWindow();
    auto *games = control<QTreeWidget>(u"gamesList"_s);
    auto *review = control<QPushButton>(u"reviewButton"_s);
    QVERIFY(!review->isEnabled());
    QSignalSpy asked(m_window.get(), &StatisticsWindow::reviewRequested);
    games->setCurrentItem(games->topLevelItem(2));
    review->click();
    QTest::keyClick(games, Qt::Key_Return);
    // Ann's first game was the first written.
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].first().toLongLong(), 1);
    QCOMPARE(asked[1].first().toLongLong(), 1);
}

void TestStatisticsWindow::exportWritesTheGamesShown()
{
    openWindow();
    const QString path = m_dir->filePath(u"games.csv"_s);
    ModalAnswer<QFileDialog> chooser([&](QFileDialog *dialog) {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    control<QPushButton>(u"exportButton"_s)->click();
    QVERIFY(chooser.answered());
    const QList<QByteArray> lines = fileContents(path).split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[1].startsWith("4,Ann,") && lines[2].startsWith("3,Ann,")
            && lines[3].startsWith("1,Ann,"));
}

void TestStatisticsWindow::tabReachesEveryControlInReadingOrder()
{
    openWindow();
    control<QTreeWidget>(u"gamesList"_s)->setCurrentItem(nullptr);
    QStringList reached;
    QWidget *focus = control<QWidget>(u"playerChoice"_s);
    focus->setFocus();
    for (int step = 0; step < 8 && !reached.contains(focus->objectName()); ++step) {
        reached.append(focus->objectName());
        QVERIFY2(!focus->accessibleName().isEmpty() || focus->objectName() == u"playerChoice"_s
                         || qobject_cast<QPushButton *>(focus),
                 qPrintable(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
    }
    QCOMPARE(reached,
             QStringList({u"playerChoice"_s, u"figuresList"_s, u"histogramChart"_s, u"gamesList"_s,
                          u"timelineChart"_s, u"exportButton"_s, u"closeButton"_s}));
}

void TestStatisticsWindow::backgroundShowsTheColourPair()
{
    QFETCH(Color, start);
    QFETCH(Color, end);

    m_session.setColors(start, end);
    openWindow();
    verifyBackground(m_window.get(), start, end);
}

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
