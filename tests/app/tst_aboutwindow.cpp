#include "app/aboutwindow.h"
#include "players/sharedstate.h"
#include "widgets/kitsimplelabel.h"
#include "urlrecorder.h"
#include "windowtesting.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyLineFitsInsideThePanel();
    void linkOpensItsOwnAddressAndTurnsTeal_data();
    void linkOpensItsOwnAddressAndTurnsTeal();
    void failedOpenDisablesThatLinkForThisShowingOnly();
    void backgroundShowsTheColourPair_data() { addColourPairRows(); }
    void backgroundShowsTheColourPair();

private:
    UrlRecorder m_desktop;
};

void TestAboutWindow::init()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_desktop, "open");
    m_desktop.opened.clear();
}

void TestAboutWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestAboutWindow::everyLineFitsInsideThePanel()
{
    TForm2 window;
    window.show();

    QCOMPARE(window.size(), QSize(400, 225));
    const QRect inside = window.Panel1->contentsRect();
    for (QWidget *line : std::initializer_list<QWidget *> {window.Label3, window.KitSimpleLabel1,
                                                           window.Label1, window.KitSimpleLabel2}) {
        QVERIFY2(inside.contains(line->geometry()), line->metaObject()->className());
        QVERIFY(line->width() >= line->sizeHint().width());
    }
}

void TestAboutWindow::linkOpensItsOwnAddressAndTurnsTeal_data()
{
    QTest::addColumn<bool>("first");
    QTest::newRow("maker's site") << true;
    QTest::newRow("sister site") << false;
}

void TestAboutWindow::linkOpensItsOwnAddressAndTurnsTeal()
{
    QFETCH(bool, first);

    TForm2 window;
    window.show();
    TKitSimpleLabel *link = first ? window.KitSimpleLabel1 : window.KitSimpleLabel2;
    TKitSimpleLabel *other = first ? window.KitSimpleLabel2 : window.KitSimpleLabel1;
    const QString address = QString::fromUtf16(first ? TForm2::MakerAddress : TForm2::LinuxAddress);
    QCOMPARE(link->Caption(), address);
    QCOMPARE(link->fontColor(), clAqua);
    QVERIFY(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(m_desktop.opened, QList<QUrl> {QUrl(address)});
    QCOMPARE(QUrl(address).host().section(u'.', -2), QStringLiteral("example.org"));
    QCOMPARE(link->fontColor(), clTeal);
    QCOMPARE(other->fontColor(), clAqua);
}

void TestAboutWindow::failedOpenDisablesThatLinkForThisShowingOnly()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    {
        TForm2 window;
        window.show();
        QTest::mouseClick(window.KitSimpleLabel1, Qt::LeftButton);
        QVERIFY(!window.KitSimpleLabel1->isEnabled());
        QVERIFY(window.KitSimpleLabel2->isEnabled());
    }

    TForm2 next;
    next.show();
    QVERIFY(next.KitSimpleLabel1->isEnabled());
    QCOMPARE(next.KitSimpleLabel1->fontColor(), clAqua);
}

void TestAboutWindow::backgroundShowsTheColourPair()
{
    QFETCH(TColor, start);
    QFETCH(TColor, end);

    GradientStartColor = start;
    GradientEndColor = end;
    TForm2 window;
    window.show();
    verifyBackground(&window, start, end);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
