#include "app/mainwindow.h"
#include "players/colorschemedialog.h"
#include "players/sharedstate.h"
#include "widgets/kitfill.h"
#include "widgets/kitgradient.h"
#include "widgets/kitpanelfill.h"
#include "windowtesting.h"

#include <QColorDialog>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr TColor Picked = 0x00563412;

} // namespace

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
    static void useColours(TColor start, TColor end);
    static void verifyGameWindowColours(TColor start, TColor end);
    static void pick(TKitPanelFill *swatch, TColor color, bool confirm = true);

    std::unique_ptr<TForm1> m_gameWindow;
};

void TestColorSchemeDialog::init()
{
    m_gameWindow = std::make_unique<TForm1>();
    Form1 = m_gameWindow.get();
    useColours(clRed, clLime);
}

void TestColorSchemeDialog::cleanup()
{
    Form1 = nullptr;
    m_gameWindow.reset();
}

void TestColorSchemeDialog::useColours(TColor start, TColor end)
{
    GradientStartColor = start;
    GradientEndColor = end;
    Form1->KitFill1->Gradient()->setColor(start);
    Form1->KitFill1->Gradient()->setEndColor(end);
}

void TestColorSchemeDialog::verifyGameWindowColours(TColor start, TColor end)
{
    QCOMPARE(Form1->KitFill1->Gradient()->Color(), start);
    QCOMPARE(Form1->KitFill1->Gradient()->EndColor(), end);
    QCOMPARE(GradientStartColor, start);
    QCOMPARE(GradientEndColor, end);
}

// Clicks the swatch and answers the colour picker, which must open with the swatch's colour.
void TestColorSchemeDialog::pick(TKitPanelFill *swatch, TColor color, bool confirm)
{
    const TColor shown = swatch->Color();
    TColor preselected = ~shown;
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
    QFETCH(TColor, start);
    QFETCH(TColor, end);

    useColours(start, end);
    TPrefForm dialog;
    dialog.show();

    const bool solid = start == end;
    QCOMPARE(dialog.RadioButton1->isChecked(), solid);
    QCOMPARE(dialog.RadioButton2->isChecked(), !solid);
    QCOMPARE(dialog.Panel2->isVisible(), !solid);
    QCOMPARE(dialog.Fill1->Color(), start);
    // Hidden, the second swatch keeps the colour it was made with.
    QCOMPARE(dialog.Fill2->Color(), solid ? clBtnFace : end);
    verifyBackground(&dialog, start, end);
    // The radio buttons stand on the black backdrop, not on a button-coloured box.
    QCOMPARE(shownColumn(dialog.RadioButton1, dialog.RadioButton1->width() - 1).first(), clBlack);
    // Tab reaches the swatches that are shown between the radio buttons and OK.
    const auto nextTabStop = [](QWidget *widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
        return widget;
    };
    QCOMPARE(nextTabStop(dialog.RadioButton2), dialog.Fill1);
    QCOMPARE(nextTabStop(dialog.Fill1),
             solid ? static_cast<QWidget *>(dialog.Button1) : dialog.Fill2);
}

void TestColorSchemeDialog::gradientAfterSolidStartsFromTheFirstColour()
{
    TPrefForm dialog;
    dialog.show();

    QTest::mouseClick(dialog.RadioButton1, Qt::LeftButton);
    QVERIFY(!dialog.Panel2->isVisible());
    QTest::mouseClick(dialog.RadioButton2, Qt::LeftButton);
    QVERIFY(dialog.Panel2->isVisible());
    QCOMPARE(dialog.Fill2->Color(), clRed);

    // Switching changes neither the preview nor the game window.
    QCOMPARE(dialog.KitFill1->Gradient()->EndColor(), clLime);
    verifyGameWindowColours(clRed, clLime);
}

void TestColorSchemeDialog::pickerChangesTheSwatchAndThePreviewOnly_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<TColor>("previewStart");
    QTest::addColumn<TColor>("previewEnd");

    QTest::newRow("first swatch") << true << true << Picked << clLime;
    QTest::newRow("second swatch") << false << true << clRed << Picked;
    QTest::newRow("cancelled") << true << false << clRed << clLime;
}

void TestColorSchemeDialog::pickerChangesTheSwatchAndThePreviewOnly()
{
    QFETCH(bool, first);
    QFETCH(bool, confirm);
    QFETCH(TColor, previewStart);
    QFETCH(TColor, previewEnd);

    TPrefForm dialog;
    dialog.show();
    TKitPanelFill *swatch = first ? dialog.Fill1 : dialog.Fill2;
    pick(swatch, Picked, confirm);

    QCOMPARE(swatch->Color(), first ? previewStart : previewEnd);
    QCOMPARE(dialog.KitFill1->Gradient()->Color(), previewStart);
    QCOMPARE(dialog.KitFill1->Gradient()->EndColor(), previewEnd);
    QCOMPARE(shownColumn(&dialog, 0).first(), previewStart);
    verifyGameWindowColours(clRed, clLime);
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

    TPrefForm dialog;
    ModalAnswer<TPrefForm> answer([&](TPrefForm *shown) {
        pick(shown->Fill1, Picked);
        if (solid)
            QTest::mouseClick(shown->RadioButton1, Qt::LeftButton);
        QTest::mouseClick(shown->Button1, Qt::LeftButton);
    });
    dialog.exec();

    QVERIFY(answer.answered());
    verifyGameWindowColours(Picked, solid ? Picked : clLime);
    TPrefForm next;
    next.show();
    QCOMPARE(next.RadioButton1->isChecked(), solid);
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

    TPrefForm dialog;
    dialog.show();
    pick(dialog.Fill1, Picked);
    QTest::mouseClick(dialog.RadioButton1, Qt::LeftButton);
    if (closeBox)
        dialog.close();
    else
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    verifyGameWindowColours(clRed, clLime);
}

void TestColorSchemeDialog::systemColoursAndNoColourPaint()
{
    useColours(clBtnFace, clNone);
    TPrefForm dialog;
    dialog.show();

    QCOMPARE(shownColumn(dialog.Fill1, 0).first(), colorToRgb(clBtnFace));
    QCOMPARE(shownColumn(dialog.Fill2, 0).first(), colorToRgb(clNone));
    verifyBackground(&dialog, colorToRgb(clBtnFace), colorToRgb(clNone));
}

void TestColorSchemeDialog::enterOnARadioButtonNeitherAppliesNorCloses()
{
    TPrefForm dialog;
    dialog.show();
    pick(dialog.Fill1, Picked);
    dialog.RadioButton1->setFocus();
    QTest::keyClick(dialog.RadioButton1, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    verifyGameWindowColours(clRed, clLime);
}

QTEST_MAIN(TestColorSchemeDialog)
#include "tst_colorschemedialog.moc"
