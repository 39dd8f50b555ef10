#include "players/session.h"
#include "widgets/colorswatch.h"
#include "widgets/gradient.h"
#include "widgets/gradientfill.h"
#include "windows/colorschemedialog.h"
#include "windows/gamewindow.h"
#include "windowtesting.h"

#include <QColorDialog>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr Color Picked = 0x00563412;

} // namespace

using namespace Qt::StringLiterals;

class TestColorSchemeDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openingFollowsTheGameWindow_data() { addColourPairRows(); }
    void openingFollowsTheGameWindow();
    void gradientAfterSolidStartsFromTheFirstColour();
    void pickerChangesTheSwatchAndThePreviewOnly_data();
    void pickerChangesTheSwatchAndThePreviewOnly();
    void okAppliesTheChoice_data();
    void okAppliesTheChoice();
    void cancelAndCloseBoxChangeNothing_data();
    void cancelAndCloseBoxChangeNothing();
    void systemColoursAndNoColourPaint();
    void enterOnARadioButtonNeitherAppliesNorCloses();

private:
    void useColours(Color start, Color end);
    void verifyGameWindowColours(Color start, Color end);
    static void pick(ColorSwatch *swatch, Color color, bool confirm = true);

    std::unique_ptr<Session> m_session;
    std::unique_ptr<GameWindow> m_gameWindow;
};

void TestColorSchemeDialog::init()
{
    m_session = std::make_unique<Session>();
    m_gameWindow = std::make_unique<GameWindow>(*m_session);
    useColours(Colors::Red, Colors::Lime);
}

void TestColorSchemeDialog::cleanup()
{
    m_gameWindow.reset();
    m_session.reset();
}

void TestColorSchemeDialog::useColours(Color start, Color end)
{
    m_session->setColors(start, end);
}

void TestColorSchemeDialog::verifyGameWindowColours(Color start, Color end)
{
    QCOMPARE(control<GradientFill>(m_gameWindow.get(), u"backgroundFill"_s)->gradient()->color(),
             start);
    QCOMPARE(control<GradientFill>(m_gameWindow.get(), u"backgroundFill"_s)->gradient()->endColor(),
             end);
    QCOMPARE(m_session->startColor(), start);
    QCOMPARE(m_session->endColor(), end);
}

// Clicks the swatch and answers the colour picker, which must open with the swatch's colour.
void TestColorSchemeDialog::pick(ColorSwatch *swatch, Color color, bool confirm)
{
    const Color shown = swatch->color();
    Color preselected = ~shown;
    ModalAnswer<QColorDialog> picker([&](QColorDialog *dialog) {
        preselected = fromQColor(dialog->currentColor());
        dialog->setCurrentColor(toQColor(color));
        confirm ? dialog->accept() : dialog->reject();
    });
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(picker.answered());
    QCOMPARE(preselected, shown);
}

void TestColorSchemeDialog::openingFollowsTheGameWindow()
{
    QFETCH(Color, start);
    QFETCH(Color, end);

    useColours(start, end);
    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();

    const bool solid = start == end;
    QCOMPARE(control<QRadioButton>(&dialog, u"solidButton"_s)->isChecked(), solid);
    QCOMPARE(control<QRadioButton>(&dialog, u"gradientButton"_s)->isChecked(), !solid);
    QCOMPARE(control<QFrame>(&dialog, u"endSwatchFrame"_s)->isVisible(), !solid);
    QCOMPARE(control<ColorSwatch>(&dialog, u"startSwatch"_s)->color(), start);
    // Hidden, the second swatch keeps the colour it was made with.
    QCOMPARE(control<ColorSwatch>(&dialog, u"endSwatch"_s)->color(),
             solid ? Colors::ButtonFace : end);
    verifyBackground(&dialog, start, end);
    // The radio buttons stand on the black backdrop, not on a button-coloured box.
    QCOMPARE(shownColumn(control<QRadioButton>(&dialog, u"solidButton"_s),
                         control<QRadioButton>(&dialog, u"solidButton"_s)->width() - 1)
                     .first(),
             Colors::Black);
    // Tab reaches the swatches that are shown between the radio buttons and OK.
    const auto nextTabStop = [](QWidget *widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
        return widget;
    };
    QCOMPARE(nextTabStop(control<QRadioButton>(&dialog, u"gradientButton"_s)),
             control<ColorSwatch>(&dialog, u"startSwatch"_s));
    QCOMPARE(nextTabStop(control<ColorSwatch>(&dialog, u"startSwatch"_s)),
             solid ? static_cast<QWidget *>(control<QPushButton>(&dialog, u"okButton"_s))
                   : control<ColorSwatch>(&dialog, u"endSwatch"_s));
}

void TestColorSchemeDialog::gradientAfterSolidStartsFromTheFirstColour()
{
    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();

    QTest::mouseClick(control<QRadioButton>(&dialog, u"solidButton"_s), Qt::LeftButton);
    QVERIFY(!control<QFrame>(&dialog, u"endSwatchFrame"_s)->isVisible());
    QTest::mouseClick(control<QRadioButton>(&dialog, u"gradientButton"_s), Qt::LeftButton);
    QVERIFY(control<QFrame>(&dialog, u"endSwatchFrame"_s)->isVisible());
    QCOMPARE(control<ColorSwatch>(&dialog, u"endSwatch"_s)->color(), Colors::Red);

    // Switching changes neither the preview nor the game window.
    QCOMPARE(control<GradientFill>(&dialog, u"previewFill"_s)->gradient()->endColor(),
             Colors::Lime);
    verifyGameWindowColours(Colors::Red, Colors::Lime);
}

void TestColorSchemeDialog::pickerChangesTheSwatchAndThePreviewOnly_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<Color>("previewStart");
    QTest::addColumn<Color>("previewEnd");

    QTest::newRow("first swatch") << true << true << Picked << Colors::Lime;
    QTest::newRow("second swatch") << false << true << Colors::Red << Picked;
    QTest::newRow("cancelled") << true << false << Colors::Red << Colors::Lime;
}

void TestColorSchemeDialog::pickerChangesTheSwatchAndThePreviewOnly()
{
    QFETCH(bool, first);
    QFETCH(bool, confirm);
    QFETCH(Color, previewStart);
    QFETCH(Color, previewEnd);

    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();
    ColorSwatch *swatch = first ? control<ColorSwatch>(&dialog, u"startSwatch"_s)
                                : control<ColorSwatch>(&dialog, u"endSwatch"_s);
    pick(swatch, Picked, confirm);

    QCOMPARE(swatch->color(), first ? previewStart : previewEnd);
    QCOMPARE(control<GradientFill>(&dialog, u"previewFill"_s)->gradient()->color(), previewStart);
    QCOMPARE(control<GradientFill>(&dialog, u"previewFill"_s)->gradient()->endColor(), previewEnd);
    QCOMPARE(shownColumn(&dialog, 0).first(), previewStart);
    verifyGameWindowColours(Colors::Red, Colors::Lime);
}

void TestColorSchemeDialog::okAppliesTheChoice_data()
{
    QTest::addColumn<bool>("solid");
    QTest::newRow("gradient") << false;
    QTest::newRow("solid") << true;
}

void TestColorSchemeDialog::okAppliesTheChoice()
{
    QFETCH(bool, solid);

    ColorSchemeDialog dialog(*m_session, nullptr);
    ModalAnswer<ColorSchemeDialog> answer([&](ColorSchemeDialog *shown) {
        pick(control<ColorSwatch>(shown, u"startSwatch"_s), Picked);
        if (solid)
            QTest::mouseClick(control<QRadioButton>(shown, u"solidButton"_s), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(shown, u"okButton"_s), Qt::LeftButton);
    });
    dialog.exec();

    QVERIFY(answer.answered());
    verifyGameWindowColours(Picked, solid ? Picked : Colors::Lime);
    ColorSchemeDialog next(*m_session, nullptr);
    next.show();
    QCOMPARE(control<QRadioButton>(&next, u"solidButton"_s)->isChecked(), solid);
}

void TestColorSchemeDialog::cancelAndCloseBoxChangeNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestColorSchemeDialog::cancelAndCloseBoxChangeNothing()
{
    QFETCH(bool, closeBox);

    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();
    pick(control<ColorSwatch>(&dialog, u"startSwatch"_s), Picked);
    QTest::mouseClick(control<QRadioButton>(&dialog, u"solidButton"_s), Qt::LeftButton);
    if (closeBox)
        dialog.close();
    else
        QTest::mouseClick(control<QPushButton>(&dialog, u"cancelButton"_s), Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    verifyGameWindowColours(Colors::Red, Colors::Lime);
}

void TestColorSchemeDialog::systemColoursAndNoColourPaint()
{
    useColours(Colors::ButtonFace, Colors::NoColor);
    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();

    QCOMPARE(shownColumn(control<ColorSwatch>(&dialog, u"startSwatch"_s), 0).first(),
             colorToRgb(Colors::ButtonFace));
    QCOMPARE(shownColumn(control<ColorSwatch>(&dialog, u"endSwatch"_s), 0).first(),
             colorToRgb(Colors::NoColor));
    verifyBackground(&dialog, colorToRgb(Colors::ButtonFace), colorToRgb(Colors::NoColor));
}

void TestColorSchemeDialog::enterOnARadioButtonNeitherAppliesNorCloses()
{
    ColorSchemeDialog dialog(*m_session, nullptr);
    dialog.show();
    pick(control<ColorSwatch>(&dialog, u"startSwatch"_s), Picked);
    control<QRadioButton>(&dialog, u"solidButton"_s)->setFocus();
    QTest::keyClick(control<QRadioButton>(&dialog, u"solidButton"_s), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    verifyGameWindowColours(Colors::Red, Colors::Lime);
}

QTEST_MAIN(TestColorSchemeDialog)
#include "tst_colorschemedialog.moc"
