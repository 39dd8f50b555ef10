#include "players/colorschemedialog.h"

#include "app/mainwindow.h"
#include "app/windowplacement.h"
#include "players/sharedstate.h"
#include "players/welcomeplacement.h"
#include "widgets/colorpicker.h"
#include "widgets/kitfill.h"
#include "widgets/kitfonts.h"
#include "widgets/kitgradient.h"
#include "widgets/kitpanelfill.h"
#include "widgets/windowcontrols.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(177, 209);
constexpr QRect FillGeometry(0, 0, 177, 209);
constexpr int FillColorCount = 200;

constexpr QRect BackdropGeometry(8, 8, 161, 153);
constexpr QRect SolidGeometry(48, 24, 81, 17);
constexpr QRect GradientGeometry(48, 56, 81, 17);
constexpr QRect StartFrameGeometry(20, 96, 51, 51);
constexpr QRect EndFrameGeometry(108, 96, 51, 51);
constexpr QRect SwatchGeometry(1, 1, 49, 49);
constexpr QRect OkGeometry(8, 176, 75, 25);
constexpr QRect CancelGeometry(96, 176, 75, 25);

constexpr int WindowFontSize = 11;
constexpr int RadioFontSize = 13;

QRadioButton *newRadioButton(const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *button = new QRadioButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(tahomaFont(RadioFontSize));
    setTextColor(button, clWhite);
    setBackgroundColor(button, clBlack);
    return button;
}

TKitPanelFill *newSwatch(QFrame *frame)
{
    auto *swatch = new TKitPanelFill(frame);
    swatch->setGeometry(SwatchGeometry);
    return swatch;
}

} // namespace

TPrefForm::TPrefForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Color Scheme"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setFont(tahomaFont(WindowFontSize));
    createControls();
    connectControls();
}

void TPrefForm::createControls()
{
    KitFill1 = newBackgroundFill(this, FillGeometry, FillColorCount);
    Panel3 = newPanel(this, BackdropGeometry, clBlack);

    RadioButton1 = newRadioButton(QStringLiteral("Solid Color"), this, SolidGeometry);
    RadioButton2 = newRadioButton(QStringLiteral("Gradient"), this, GradientGeometry);
    RadioButton2->setChecked(true);

    Panel1 = newPanel(this, StartFrameGeometry, clBtnFace);
    Fill1 = newSwatch(Panel1);
    Panel2 = newPanel(this, EndFrameGeometry, clBtnFace);
    Fill2 = newSwatch(Panel2);

    const QFont buttonFont = tahomaFont(WindowFontSize);
    Button1 = newButton(QStringLiteral("&OK"), this, OkGeometry, buttonFont);
    Button2 = newButton(QStringLiteral("&Cancel"), this, CancelGeometry, buttonFont);

    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Fill1);
    setTabOrder(Fill1, Fill2);
    setTabOrder(Fill2, Button1);
    setTabOrder(Button1, Button2);
    RadioButton2->setFocus();
}

void TPrefForm::connectControls()
{
    // The radio handlers answer a button becoming checked, by the user or by FormShow.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            RadioButton2Click();
    });
    connect(Fill1, &TKitPanelFill::clicked, this, &TPrefForm::Fill1Click);
    connect(Fill2, &TKitPanelFill::clicked, this, &TPrefForm::Fill2Click);
    connect(Button1, &QPushButton::clicked, this, &TPrefForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrefForm::Button2Click);
}

void TPrefForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPrefForm::FormShow()
{
    KitFill1->setColors(GradientStartColor, GradientEndColor);

    const TKitGradient *mainGradient = Form1->KitFill1->Gradient();
    Fill1->setColor(mainGradient->Color());
    if (mainGradient->Color() == mainGradient->EndColor()) {
        RadioButton1->setChecked(true);
        RadioButton1->setFocus();
        Panel2->hide();
    } else {
        Fill2->setColor(mainGradient->EndColor());
    }
    centerOverWelcomeWindow(this);
}

void TPrefForm::RadioButton1Click()
{
    Panel2->hide();
}

// The second colour comes back as the first one: a gradient starts out from the solid colour.
void TPrefForm::RadioButton2Click()
{
    if (Panel2->isHidden())
        Fill2->setColor(Fill1->Color());
    Panel2->show();
}

void TPrefForm::Fill1Click()
{
    pickSwatchColor(Fill1, &TKitGradient::setColor);
}

void TPrefForm::Fill2Click()
{
    pickSwatchColor(Fill2, &TKitGradient::setEndColor);
}

void TPrefForm::pickSwatchColor(TKitPanelFill *swatch,
                                void (TKitGradient::*setPreviewColor)(TColor))
{
    const std::optional<TColor> chosen = pickColor(swatch->Color(), this);
    if (!chosen)
        return;
    swatch->setColor(*chosen);
    (KitFill1->Gradient()->*setPreviewColor)(*chosen);
}

void TPrefForm::Button1Click()
{
    TKitGradient *mainGradient = Form1->KitFill1->Gradient();
    mainGradient->setColor(Fill1->Color());
    mainGradient->setEndColor(RadioButton1->isChecked() ? mainGradient->Color() : Fill2->Color());
    GradientStartColor = mainGradient->Color();
    GradientEndColor = mainGradient->EndColor();
    close();
}

void TPrefForm::Button2Click()
{
    close();
}
