#include "app/aboutwindow.h"
#include "players/sharedstate.h"
#include "widgets/kitsimplelabel.h"
#include "windowtesting.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

// Stands in for the desktop: records what it was asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

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
    void opensWithOkFocusedAndOkCloses();
    void backgroundShowsTheColourPair_data();
    void backgroundShowsTheColourPair();

private:
    UrlRecorder m_desktop;
};

void TestAboutWindow::init()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_desktop, "open");
    m_desktop.opened.clear();
    GradientStartColor = clAqua;
    GradientEndColor = clBlue;
}

void TestAboutWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestAboutWindow::everyLineFitsInsideThePanel()
{
    TForm2 window;
    window.show();

    QCOMPARE(window.windowTitle(), QStringLiteral("About Tovik v2"));
    QCOMPARE(window.size(), QSize(400, 225));
    QCOMPARE(window.Label1->text(),
             QStringLiteral("Within time, you may check out a Linux version of Tovik!"));
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

void TestAboutWindow::opensWithOkFocusedAndOkCloses()
{
    TForm2 window;
    QWidget *focused = nullptr;
    ModalAnswer<TForm2> answer([&](TForm2 *shown) {
        focused = QApplication::focusWidget();
        QTest::mouseClick(shown->Button1, Qt::LeftButton);
    });
    window.exec();

    QVERIFY(answer.answered());
    QCOMPARE(focused, window.Button1);
    QVERIFY(!window.isVisible());
    QVERIFY(m_desktop.opened.isEmpty());
}

void TestAboutWindow::backgroundShowsTheColourPair_data()
{
    QTest::addColumn<TColor>("start");
    QTest::addColumn<TColor>("end");

    QTest::newRow("gradient") << clRed << clLime;
    QTest::newRow("solid") << clTeal << clTeal;
}

void TestAboutWindow::backgroundShowsTheColourPair()
{
    QFETCH(TColor, start);
    QFETCH(TColor, end);

    GradientStartColor = start;
    GradientEndColor = end;
    TForm2 window;
    window.show();

    const QList<TColor> column = shownColumn(&window, 0);
    QCOMPARE(column.size(), 225);
    QCOMPARE(column.first(), start);
    QCOMPARE(column.last(), end);
    if (start == end)
        QCOMPARE(column.count(start), column.size());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
