#include "players/session.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Change = std::function<void(Session &)>;

// Each change sets one value of a new session, whose values start empty, black and off.

} // namespace

Q_DECLARE_METATYPE(Change)

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aChangeIsAnnouncedOnce_data();
    void aChangeIsAnnouncedOnce();
    void settingTheSameValueAgainIsSilent_data();
    void settingTheSameValueAgainIsSilent();
    void colorsChangeTogether();

private:
    static void addChangeRows();
};

void TestSession::addChangeRows()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("player") << Change([](Session &s) { s.setPlayerName(u"Ann"_s); })
                            << QByteArray(SIGNAL(playerNameChanged(QString)));
    QTest::newRow("roster") << Change([](Session &s) {
        s.setRoster({u"Ann"_s, u"Bob"_s});
    }) << QByteArray(SIGNAL(rosterChanged(QStringList)));
    QTest::newRow("record score") << Change([](Session &s) { s.setRecordScore(312); })
                                  << QByteArray(SIGNAL(recordChanged()));
    QTest::newRow("record holder") << Change([](Session &s) { s.setRecordHolder(u"Bob"_s); })
                                   << QByteArray(SIGNAL(recordChanged()));
    QTest::newRow("record known") << Change([](Session &s) { s.setRecordKnown(true); })
                                  << QByteArray(SIGNAL(recordChanged()));
    QTest::newRow("colours") << Change([](Session &s) { s.setColors(Colors::Aqua, Colors::Blue); })
                             << QByteArray(SIGNAL(colorsChanged(Color, Color)));
    QTest::newRow("end colour only")
            << Change([](Session &s) { s.setColors(Colors::Black, Colors::Navy); })
            << QByteArray(SIGNAL(colorsChanged(Color, Color)));
    QTest::newRow("animation") << Change([](Session &s) { s.setAnimation(true); })
                               << QByteArray(SIGNAL(animationChanged(bool)));
    QTest::newRow("game started") << Change([](Session &s) { s.setGameStarted(true); })
                                  << QByteArray(SIGNAL(gameStartedChanged(bool)));
    QTest::newRow("settings path")
            << Change([](Session &s) { s.setSettingsPath(u"/tmp/settings.cfg"_s); })
            << QByteArray(SIGNAL(settingsPathChanged(QString)));
}

void TestSession::aChangeIsAnnouncedOnce_data()
{
    addChangeRows();
}

void TestSession::aChangeIsAnnouncedOnce()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, signal);
    Session session;
    QSignalSpy spy(&session, signal.constData());
    change(session);
    QCOMPARE(spy.count(), 1);
}

void TestSession::settingTheSameValueAgainIsSilent_data()
{
    addChangeRows();
}

void TestSession::settingTheSameValueAgainIsSilent()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, signal);
    Session session;
    change(session);
    QSignalSpy spy(&session, signal.constData());
    change(session);
    QCOMPARE(spy.count(), 0);
}

void TestSession::colorsChangeTogether()
{
    Session session;
    QSignalSpy spy(&session, &Session::colorsChanged);
    session.setColors(Colors::Red, Colors::Navy);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.constFirst().at(0).value<Color>(), Colors::Red);
    QCOMPARE(spy.constFirst().at(1).value<Color>(), Colors::Navy);
}

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"
