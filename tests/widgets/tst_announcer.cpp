#include "widgets/announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

class TestAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsOfOneEventAreSpokenOnceAsANotification();
    void pausedTextsWaitAndAreSpokenTogether();
};

void TestAnnouncer::textsOfOneEventAreSpokenOnceAsANotification()
{
    QWidget window;
    auto *announcer = new Announcer(&window);
    window.show();
    QSignalSpy spoken(announcer, &Announcer::announced);
    announcer->say(QStringLiteral("Score: 12."));
    announcer->say(QStringLiteral("Rolled 1, 2, 3, 4, 5."));
    QTRY_COMPARE(spoken.count(), 1);
    QCOMPARE(spoken.first().first().toString(), QStringLiteral("Score: 12. Rolled 1, 2, 3, 4, 5."));

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(accessible->text(QAccessible::Name), spoken.first().first().toString());
    // Showing the window again must not repeat the last announcement.
    QVERIFY(announcer->isHidden());
}

void TestAnnouncer::pausedTextsWaitAndAreSpokenTogether()
{
    QWidget window;
    auto *announcer = new Announcer(&window);
    QSignalSpy spoken(announcer, &Announcer::announced);
    announcer->say(QStringLiteral("Hello."));
    announcer->setPaused(true);
    announcer->say(QStringLiteral("Rolled 6, 6, 6, 6, 6."));
    QCoreApplication::processEvents();
    QCOMPARE(spoken.count(), 0);
    announcer->setPaused(false);
    QTRY_COMPARE(spoken.count(), 1);
    QCOMPARE(spoken.first().first().toString(), QStringLiteral("Hello. Rolled 6, 6, 6, 6, 6."));
}

QTEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
