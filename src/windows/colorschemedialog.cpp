#include "windows/colorschemedialog.h"

#include "players/session.h"
#include "widgets/colorpicker.h"
#include "widgets/colorswatch.h"
#include "widgets/fonts.h"
#include "widgets/gradient.h"
#include "widgets/gradientfill.h"
#include "widgets/windowcontrols.h"
#include "windows/windowplacement.h"

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
    setTextColor(button, Colors::White);
    setBackgroundColor(button, Colors::Black);
    return button;
}

ColorSwatch *newSwatch(QFrame *frame)
{
    auto *swatch = new ColorSwatch(frame);
    swatch->setGeometry(SwatchGeometry);
    return swatch;
}

} // namespace

ColorSchemeDialog::ColorSchemeDialog(Session &session, const QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), m_session(session), m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Color Scheme"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setFont(tahomaFont(WindowFontSize));
    createControls();
    connectControls();
}

void ColorSchemeDialog::createControls()
{
    previewFill = named(newBackgroundFill(this, FillGeometry, FillColorCount), u"previewFill");
    backdropPanel = named(newPanel(this, BackdropGeometry, Colors::Black), u"backdropPanel");

    solidButton = named(newRadioButton(QStringLiteral("Solid Color"), this, SolidGeometry),
                        u"solidButton");
    gradientButton = named(newRadioButton(QStringLiteral("Gradient"), this, GradientGeometry),
                           u"gradientButton");
    gradientButton->setChecked(true);

    startSwatchFrame
            = named(newPanel(this, StartFrameGeometry, Colors::ButtonFace), u"startSwatchFrame");
    startSwatch = named(newSwatch(startSwatchFrame), u"startSwatch");
    endSwatchFrame = named(newPanel(this, EndFrameGeometry, Colors::ButtonFace), u"endSwatchFrame");
    endSwatch = named(newSwatch(endSwatchFrame), u"endSwatch");

    const QFont buttonFont = tahomaFont(WindowFontSize);
    okButton = named(newButton(QStringLiteral("&OK"), this, OkGeometry, buttonFont), u"okButton");
    cancelButton = named(newButton(QStringLiteral("&Cancel"), this, CancelGeometry, buttonFont),
                         u"cancelButton");

    setTabOrder(solidButton, gradientButton);
    setTabOrder(gradientButton, startSwatch);
    setTabOrder(startSwatch, endSwatch);
    setTabOrder(endSwatch, okButton);
    setTabOrder(okButton, cancelButton);
    gradientButton->setFocus();
}

void ColorSchemeDialog::connectControls()
{
    // The radio handlers answer a button becoming checked, by the user or by prepareToShow.
    connect(solidButton, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            chooseSolidColor();
    });
    connect(gradientButton, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            chooseGradient();
    });
    connect(startSwatch, &ColorSwatch::clicked, this, &ColorSchemeDialog::pickStartColor);
    connect(endSwatch, &ColorSwatch::clicked, this, &ColorSchemeDialog::pickEndColor);
    connect(okButton, &QPushButton::clicked, this, &ColorSchemeDialog::applyColors);
    connect(cancelButton, &QPushButton::clicked, this, &ColorSchemeDialog::dismiss);
}

void ColorSchemeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void ColorSchemeDialog::prepareToShow()
{
    const Color start = m_session.startColor();
    const Color end = m_session.endColor();
    previewFill->setColors(start, end);

    startSwatch->setColor(start);
    if (start == end) {
        solidButton->setChecked(true);
        solidButton->setFocus();
        endSwatchFrame->hide();
    } else {
        endSwatch->setColor(end);
    }
    centerOverMainWindow(this, m_mainWindow);
}

void ColorSchemeDialog::chooseSolidColor()
{
    endSwatchFrame->hide();
}

// The second colour comes back as the first one: a gradient starts out from the solid colour.
void ColorSchemeDialog::chooseGradient()
{
    if (endSwatchFrame->isHidden())
        endSwatch->setColor(startSwatch->color());
    endSwatchFrame->show();
}

void ColorSchemeDialog::pickStartColor()
{
    pickSwatchColor(startSwatch, &Gradient::setColor);
}

void ColorSchemeDialog::pickEndColor()
{
    pickSwatchColor(endSwatch, &Gradient::setEndColor);
}

void ColorSchemeDialog::pickSwatchColor(ColorSwatch *swatch,
                                        void (Gradient::*setPreviewColor)(Color))
{
    const std::optional<Color> chosen = pickColor(swatch->color(), this);
    if (!chosen)
        return;
    swatch->setColor(*chosen);
    (previewFill->gradient()->*setPreviewColor)(*chosen);
}

void ColorSchemeDialog::applyColors()
{
    const Color start = startSwatch->color();
    m_session.setColors(start, solidButton->isChecked() ? start : endSwatch->color());
    close();
}

void ColorSchemeDialog::dismiss()
{
    close();
}
