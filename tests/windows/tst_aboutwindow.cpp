#include "players/session.h"
#include "urlrecorder.h"
#include "widgets/linklabel.h"
#include "windows/aboutwindow.h"
#include "windowtesting.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

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
    Session m_session;
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
    AboutWindow window(m_session);
    window.show();

    QCOMPARE(window.size(), QSize(400, 225));
    const QRect inside = control<QFrame>(&window, u"linkPanel"_s)->contentsRect();
    for (QWidget *line :
         std::initializer_list<QWidget *> {control<QLabel>(&window, u"creditLabel"_s),
                                           control<LinkLabel>(&window, u"makerLink"_s),
                                           control<QLabel>(&window, u"linuxNoteLabel"_s),
                                           control<LinkLabel>(&window, u"linuxLink"_s)}) {
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

    AboutWindow window(m_session);
    window.show();
    LinkLabel *link = first ? control<LinkLabel>(&window, u"makerLink"_s)
                            : control<LinkLabel>(&window, u"linuxLink"_s);
    LinkLabel *other = first ? control<LinkLabel>(&window, u"linuxLink"_s)
                             : control<LinkLabel>(&window, u"makerLink"_s);
    const QString address
            = QString::fromUtf16(first ? AboutWindow::MakerAddress : AboutWindow::LinuxAddress);
    QCOMPARE(link->caption(), address);
    QCOMPARE(link->fontColor(), Colors::Aqua);
    QVERIFY(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(m_desktop.opened, QList<QUrl> {QUrl(address)});
    QCOMPARE(QUrl(address).host().section(u'.', -2), QStringLiteral("example.org"));
    QCOMPARE(link->fontColor(), Colors::Teal);
    QCOMPARE(other->fontColor(), Colors::Aqua);
}

void TestAboutWindow::failedOpenDisablesThatLinkForThisShowingOnly()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    {
        AboutWindow window(m_session);
        window.show();
        QTest::mouseClick(control<LinkLabel>(&window, u"makerLink"_s), Qt::LeftButton);
        QVERIFY(!control<LinkLabel>(&window, u"makerLink"_s)->isEnabled());
        QVERIFY(control<LinkLabel>(&window, u"linuxLink"_s)->isEnabled());
    }

    AboutWindow next(m_session);
    next.show();
    QVERIFY(control<LinkLabel>(&next, u"makerLink"_s)->isEnabled());
    QCOMPARE(control<LinkLabel>(&next, u"makerLink"_s)->fontColor(), Colors::Aqua);
}

void TestAboutWindow::backgroundShowsTheColourPair()
{
    QFETCH(Color, start);
    QFETCH(Color, end);

    m_session.setColors(start, end);
    AboutWindow window(m_session);
    window.show();
    verifyBackground(&window, start, end);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
