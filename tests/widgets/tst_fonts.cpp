#include "widgets/fonts.h"
#include "windowtesting.h"

#include <QFontInfo>
#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutFacesAreTheOnesDrawn_data();
    void layoutFacesAreTheOnesDrawn();
    void boldTahomaIsDrawnBold();
};

void TestFonts::layoutFacesAreTheOnesDrawn_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::newRow("Tahoma") << tahomaFont(13) << QStringLiteral("Tahoma");
    QTest::newRow("bold Tahoma") << tahomaFont(16, true) << QStringLiteral("Tahoma");
    QTest::newRow("MS Sans Serif") << msSansSerifFont(11) << QStringLiteral("MS Sans Serif");
}

// On a stand-in face the program still runs, but the captions no longer fit their layouts, so
// the suite must not pass on one.
void TestFonts::layoutFacesAreTheOnesDrawn()
{
    QFETCH(const QFont, font);
    QFETCH(const QString, family);
    const QString drawn = QFontInfo(font).family();
    QVERIFY2(drawn == family,
             qPrintable(QStringLiteral("%1 is drawn in %2: the windows are laid out for %1, loaded "
                                       "from /usr/share/wine/fonts (Debian package fonts-wine)")
                                .arg(family, drawn)));
}

void TestFonts::boldTahomaIsDrawnBold()
{
    const QString text = QStringLiteral("Name: Score: CPU");
    const int regular = uncutInkOf(text, tahomaFont(16));
    const int bold = uncutInkOf(text, tahomaFont(16, true));
    QVERIFY2(bold * 4 >= regular * 5,
             qPrintable(QStringLiteral("bold text has %1 pixels of ink, regular text %2")
                                .arg(bold)
                                .arg(regular)));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
