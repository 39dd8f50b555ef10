#include "widgets/announcer.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

class TestAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsOfOneEventAreSpokenOnceAsANotification();
};

// Pausing during a roll is tested with the game window, whose animated roll it serves.
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

QTEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
