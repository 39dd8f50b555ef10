#include "urlrecorder.h"
#include "widgets/linklabel.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

const QString Address = QStringLiteral("https://www.example.com/tovik");
// The empty scheme takes the targets that have none.
const QStringList HandledSchemes
        = {QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("mailto"), QString()};

Color pixelColorAt(const QImage &image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

bool shows(const QImage &image, Color color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixelColorAt(image, x, y) == colorToRgb(color))
                return true;
        }
    }
    return false;
}

} // namespace

class TestLinkLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void becomingALinkShowsItAsOne();
    void becomingPlainTextUndoesTheLink();
    void clickOpensTheTarget_data();
    void clickOpensTheTarget();
    void clickTellsItsOwnerBeforeOpening();
    void leftPressMarksTheLinkVisited();
    void doubleClickOpensTheTargetOnce();
    void rightButtonChangesNothing();
    void failedOpenDisablesTheLinkForGood();
    void failedOpenForAnApplicationIsIgnored();
    void sizeFollowsTheTextWithoutAccelerator();
    void keyboardAndScreenReadersOpenALinkOnly_data();
    void keyboardAndScreenReadersOpenALinkOnly();

private:
    void click(Qt::MouseButton button = Qt::LeftButton);

    UrlRecorder m_desktop;
    LinkLabel *m_label = nullptr;
};

void TestLinkLabel::init()
{
    for (const QString &scheme : HandledSchemes)
        QDesktopServices::setUrlHandler(scheme, &m_desktop, "open");
    m_desktop.opened.clear();

    m_label = new LinkLabel;
    m_label->move(91, 48);
    m_label->setCaption(Address);
    m_label->setTarget(Address);
    m_label->setVisitedColor(Colors::Teal);
    m_label->setLinkColor(Colors::Aqua);
    m_label->setLinkMode(LinkMode::Internet);
}

void TestLinkLabel::cleanup()
{
    delete m_label;
    for (const QString &scheme : HandledSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void TestLinkLabel::click(Qt::MouseButton button)
{
    QTest::mouseClick(m_label, button, {}, QPoint(2, 2));
}

void TestLinkLabel::becomingALinkShowsItAsOne()
{
    QCOMPARE(m_label->fontColor(), Colors::Aqua);
    QVERIFY(m_label->font().underline());
    QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(shows(m_label->grab().toImage(), Colors::Aqua));
}

void TestLinkLabel::becomingPlainTextUndoesTheLink()
{
    click();
    m_label->setLinkMode(LinkMode::None);
    QCOMPARE(m_label->fontColor(), Colors::Black);
    QVERIFY(!m_label->font().underline());
    QCOMPARE(m_label->cursor().shape(), Qt::ArrowCursor);

    m_label->setLinkMode(LinkMode::Application);
    QCOMPARE(m_label->fontColor(), Colors::Aqua);
    QCOMPARE(m_label->visitCount(), 0);
}

void TestLinkLabel::clickOpensTheTarget_data()
{
    QTest::addColumn<LinkMode>("mode");
    QTest::addColumn<QString>("jump");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("opened");

    const QString other = QStringLiteral("https://other.example.com/");
    const QString mail = QStringLiteral("someone@example.com");
    QTest::newRow("jump wins over caption") << LinkMode::Internet << other << Address << other;
    QTest::newRow("blank jump, address caption")
            << LinkMode::Internet << QString() << Address << Address;
    QTest::newRow("blank jump, mail caption")
            << LinkMode::Internet << QString() << mail << QStringLiteral("mailto:") + mail;
    QTest::newRow("jump of blanks and controls counts as blank")
            << LinkMode::Internet << QStringLiteral(" \t\x01 ") << Address << Address;
    QTest::newRow("jump with an @ gets no mailto")
            << LinkMode::Internet << QStringLiteral("https://example.com/@me") << mail
            << QStringLiteral("https://example.com/@me");
    QTest::newRow("application, blank jump")
            << LinkMode::Application << QString() << Address << Address;
    QTest::newRow("application, mail caption is opened as it stands")
            << LinkMode::Application << QString() << mail << mail;
    QTest::newRow("custom opens nothing") << LinkMode::Custom << other << Address << QString();
}

void TestLinkLabel::clickOpensTheTarget()
{
    QFETCH(LinkMode, mode);
    QFETCH(QString, jump);
    QFETCH(QString, caption);
    QFETCH(QString, opened);

    m_label->setLinkMode(mode);
    m_label->setTarget(jump);
    m_label->setCaption(caption);
    click();
    if (opened.isEmpty()) {
        QVERIFY(m_desktop.opened.isEmpty());
    } else {
        QCOMPARE(m_desktop.opened.size(), 1);
        QCOMPARE(m_desktop.opened.first().toString(), opened);
    }
    QVERIFY(m_label->isEnabled());
}

void TestLinkLabel::clickTellsItsOwnerBeforeOpening()
{
    qsizetype openedBefore = -1;
    connect(m_label, &LinkLabel::clicked, this, [&] { openedBefore = m_desktop.opened.size(); });
    click();
    QCOMPARE(openedBefore, 0);
    QCOMPARE(m_desktop.opened.size(), 1);
}

void TestLinkLabel::leftPressMarksTheLinkVisited()
{
    QTest::mousePress(m_label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(m_label->fontColor(), Colors::Teal);
    QCOMPARE(m_label->visitCount(), 1);
    // Released away from the label: no click, but the link stays visited.
    QTest::mouseRelease(m_label, Qt::LeftButton, {}, QPoint(-5, 2));
    QVERIFY(m_desktop.opened.isEmpty());
    QCOMPARE(m_label->fontColor(), Colors::Teal);
    QVERIFY(shows(m_label->grab().toImage(), Colors::Teal));

    click();
    QCOMPARE(m_label->visitCount(), 2);
    QCOMPARE(m_desktop.opened.size(), 1);
}

void TestLinkLabel::doubleClickOpensTheTargetOnce()
{
    // What a widget gets from a double click: press, release, double click, release.
    click();
    QTest::mouseDClick(m_label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(m_label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(m_desktop.opened.size(), 1);
    QCOMPARE(m_label->visitCount(), 2);
}

void TestLinkLabel::rightButtonChangesNothing()
{
    QSignalSpy clicks(m_label, &LinkLabel::clicked);
    click(Qt::RightButton);
    QCOMPARE(m_label->fontColor(), Colors::Aqua);
    QCOMPARE(m_label->visitCount(), 0);
    QCOMPARE(clicks.size(), 0);
    QVERIFY(m_desktop.opened.isEmpty());
}

void TestLinkLabel::failedOpenDisablesTheLinkForGood()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QSignalSpy clicks(m_label, &LinkLabel::clicked);
    click();
    QCOMPARE(m_label->linkMode(), LinkMode::None);
    QVERIFY(!m_label->isEnabled());
    // The mode is dropped without the usual change back to plain text.
    QCOMPARE(m_label->fontColor(), Colors::Teal);
    QVERIFY(m_label->font().underline());
    QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);

    const QImage image = m_label->grab().toImage();
    QVERIFY(shows(image, Colors::GrayText));
    QVERIFY(!shows(image, Colors::Teal));

    click();
    QCOMPARE(clicks.size(), 1);
}

void TestLinkLabel::failedOpenForAnApplicationIsIgnored()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    m_label->setLinkMode(LinkMode::Application);
    click();
    QCOMPARE(m_label->linkMode(), LinkMode::Application);
    QVERIFY(m_label->isEnabled());
}

void TestLinkLabel::sizeFollowsTheTextWithoutAccelerator()
{
    m_label->setCaption(QStringLiteral("&Tovik"));
    const QSize withAccelerator = m_label->size();
    m_label->setCaption(QStringLiteral("Tovik"));
    QCOMPARE(m_label->size(), withAccelerator);
    QCOMPARE(m_label->size(),
             m_label->fontMetrics().size(Qt::TextSingleLine, QStringLiteral("Tovik")));
    QCOMPARE(m_label->pos(), QPoint(91, 48));

    QFont larger = m_label->font();
    larger.setPixelSize(30);
    m_label->setFont(larger);
    QCOMPARE(m_label->height(), QFontMetrics(larger).height());
}

QTEST_MAIN(TestLinkLabel)
void TestLinkLabel::keyboardAndScreenReadersOpenALinkOnly_data()
{
    QTest::addColumn<LinkMode>("mode");
    QTest::addColumn<int>("key"); // 0: the accessible Press action
    QTest::addColumn<int>("opened");
    QTest::newRow("link, Enter") << LinkMode::Internet << int(Qt::Key_Return) << 1;
    QTest::newRow("link, Space") << LinkMode::Internet << int(Qt::Key_Space) << 1;
    QTest::newRow("link, Press") << LinkMode::Internet << 0 << 1;
    QTest::newRow("plain text, Enter") << LinkMode::None << int(Qt::Key_Return) << 0;
    QTest::newRow("plain text, Press") << LinkMode::None << 0 << 0;
}

void TestLinkLabel::keyboardAndScreenReadersOpenALinkOnly()
{
    QFETCH(LinkMode, mode);
    QFETCH(int, key);
    QFETCH(int, opened);
    m_label->setLinkMode(mode);
    m_label->show();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_label);
    QCOMPARE(accessible->text(QAccessible::Name), Address);
    QCOMPARE(accessible->role(), opened ? QAccessible::Link : QAccessible::StaticText);
    QCOMPARE(m_label->focusPolicy() != Qt::NoFocus, opened == 1);
    QCOMPARE(accessible->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()),
             opened == 1);

    if (key)
        QTest::keyClick(m_label, Qt::Key(key));
    else
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_desktop.opened.size(), opened);
    QCOMPARE(m_label->visitCount(), opened);
}

#include "tst_linklabel.moc"
