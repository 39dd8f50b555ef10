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
#include <QTest>

namespace {

constexpr TColor Picked = 0x00563412;

} // namespace

class TestColorSchemeDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openingFollowsTheGameWindow_data();
    void openingFollowsTheGameWindow();
    void gradientAfterSolidStartsFromTheFirstColour();
    void pickedColourChangesTheSwatchAndThePreviewOnly_data();
    void pickedColourChangesTheSwatchAndThePreviewOnly();
    void cancelledPickerChangesNothing();
    void okAppliesTheChoice_data();
    void okAppliesTheChoice();
    void cancelAndCloseBoxChangeNothing_data();
    void cancelAndCloseBoxChangeNothing();
    void systemColoursAndNoColourPaint();

private:
    static void useColours(TColor start, TColor end);
    static void pick(TKitPanelFill *swatch, TColor color);

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

void TestColorSchemeDialog::pick(TKitPanelFill *swatch, TColor color)
{
    ModalAnswer<QColorDialog> picker([color](QColorDialog *dialog) {
        dialog->setCurrentColor(toQColor(color));
        dialog->accept();
    });
    QTest::mouseClick(swatch, Qt::LeftButton);
    QVERIFY(picker.answered());
}

void TestColorSchemeDialog::openingFollowsTheGameWindow_data()
{
    QTest::addColumn<TColor>("start");
    QTest::addColumn<TColor>("end");
    QTest::addColumn<bool>("solid");
    QTest::addColumn<TColor>("secondSwatch");

    QTest::newRow("gradient") << clRed << clLime << false << clLime;
    // The second swatch is hidden and keeps the colour it was made with.
    QTest::newRow("solid") << clTeal << clTeal << true << clBtnFace;
}

void TestColorSchemeDialog::openingFollowsTheGameWindow()
{
    QFETCH(TColor, start);
    QFETCH(TColor, end);
    QFETCH(bool, solid);
    QFETCH(TColor, secondSwatch);

    useColours(start, end);
    TPrefForm dialog;
    dialog.show();

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Color Scheme"));
    QCOMPARE(dialog.size(), QSize(177, 209));
    QCOMPARE(dialog.RadioButton1->isChecked(), solid);
    QCOMPARE(dialog.RadioButton2->isChecked(), !solid);
    QCOMPARE(dialog.Panel2->isVisible(), !solid);
    QCOMPARE(dialog.Fill1->Color(), start);
    QCOMPARE(dialog.Fill2->Color(), secondSwatch);
    // The radio buttons stand on the black backdrop, not on a button-coloured box.
    QCOMPARE(shownColumn(dialog.RadioButton1, dialog.RadioButton1->width() - 1).first(), clBlack);

    const QList<TColor> column = shownColumn(&dialog, 0);
    QCOMPARE(column.first(), start);
    QCOMPARE(column.last(), end);
    if (solid)
        QCOMPARE(column.count(start), column.size());
}

void TestColorSchemeDialog::gradientAfterSolidStartsFromTheFirstColour()
{
    TPrefForm dialog;
    dialog.show();

    QTest::mouseClick(dialog.RadioButton1, Qt::LeftButton);
    QVERIFY(dialog.RadioButton1->isChecked());
    QVERIFY(!dialog.Panel2->isVisible());
    QTest::mouseClick(dialog.RadioButton2, Qt::LeftButton);
    QVERIFY(dialog.Panel2->isVisible());
    QCOMPARE(dialog.Fill2->Color(), clRed);

    // Switching changes neither the preview nor the game window.
    QCOMPARE(dialog.KitFill1->Gradient()->Color(), clRed);
    QCOMPARE(dialog.KitFill1->Gradient()->EndColor(), clLime);
    QCOMPARE(Form1->KitFill1->Gradient()->EndColor(), clLime);
}

void TestColorSchemeDialog::pickedColourChangesTheSwatchAndThePreviewOnly_data()
{
    QTest::addColumn<bool>("first");
    QTest::newRow("first swatch, start colour") << true;
    QTest::newRow("second swatch, end colour") << false;
}

void TestColorSchemeDialog::pickedColourChangesTheSwatchAndThePreviewOnly()
{
    QFETCH(bool, first);

    TPrefForm dialog;
    dialog.show();
    TKitPanelFill *swatch = first ? dialog.Fill1 : dialog.Fill2;
    QColor preselected;
    ModalAnswer<QColorDialog> picker([&](QColorDialog *colorDialog) {
        preselected = colorDialog->currentColor();
        colorDialog->setCurrentColor(toQColor(Picked));
        colorDialog->accept();
    });
    QTest::mouseClick(swatch, Qt::LeftButton);

    QVERIFY(picker.answered());
    QCOMPARE(fromQColor(preselected), first ? clRed : clLime);
    QCOMPARE(swatch->Color(), Picked);
    const TKitGradient *preview = dialog.KitFill1->Gradient();
    QCOMPARE(preview->Color(), first ? Picked : clRed);
    QCOMPARE(preview->EndColor(), first ? clLime : Picked);
    QCOMPARE(shownColumn(&dialog, 0).first(), first ? Picked : clRed);

    QCOMPARE(Form1->KitFill1->Gradient()->Color(), clRed);
    QCOMPARE(Form1->KitFill1->Gradient()->EndColor(), clLime);
    QCOMPARE(GradientStartColor, clRed);
    QCOMPARE(GradientEndColor, clLime);
}

void TestColorSchemeDialog::cancelledPickerChangesNothing()
{
    TPrefForm dialog;
    dialog.show();
    ModalAnswer<QColorDialog> picker([](QColorDialog *colorDialog) {
        colorDialog->setCurrentColor(toQColor(Picked));
        colorDialog->reject();
    });
    QTest::mouseClick(dialog.Fill1, Qt::LeftButton);

    QVERIFY(picker.answered());
    QCOMPARE(dialog.Fill1->Color(), clRed);
    QCOMPARE(dialog.KitFill1->Gradient()->Color(), clRed);
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

    {
        TPrefForm dialog;
        ModalAnswer<TPrefForm> answer([&](TPrefForm *shown) {
            pick(shown->Fill1, Picked);
            if (solid)
                QTest::mouseClick(shown->RadioButton1, Qt::LeftButton);
            QTest::mouseClick(shown->Button1, Qt::LeftButton);
        });
        dialog.exec();
        QVERIFY(answer.answered());
    }

    const TColor end = solid ? Picked : clLime;
    QCOMPARE(Form1->KitFill1->Gradient()->Color(), Picked);
    QCOMPARE(Form1->KitFill1->Gradient()->EndColor(), end);
    QCOMPARE(GradientStartColor, Picked);
    QCOMPARE(GradientEndColor, end);

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
    QCOMPARE(Form1->KitFill1->Gradient()->Color(), clRed);
    QCOMPARE(Form1->KitFill1->Gradient()->EndColor(), clLime);
    QCOMPARE(GradientStartColor, clRed);
    QCOMPARE(GradientEndColor, clLime);
}

void TestColorSchemeDialog::systemColoursAndNoColourPaint()
{
    useColours(clBtnFace, clNone);
    TPrefForm dialog;
    dialog.show();

    QCOMPARE(shownColumn(dialog.Fill1, 0).first(), colorToRgb(clBtnFace));
    QCOMPARE(shownColumn(dialog.Fill2, 0).first(), colorToRgb(clNone));
    const QList<TColor> column = shownColumn(&dialog, 0);
    QCOMPARE(column.first(), colorToRgb(clBtnFace));
    QCOMPARE(column.last(), colorToRgb(clNone));
}

QTEST_MAIN(TestColorSchemeDialog)
#include "tst_colorschemedialog.moc"
