#pragma once

#include "base/color.h"

#include <QDialog>

class ColorSwatch;
class Gradient;
class GradientFill;
class QFrame;
class QPushButton;
class QRadioButton;

// The colour scheme dialog: a solid colour or a gradient for every window's background. Its own
// background previews the colours being picked; only "OK" reaches the game window and the
// shared colour pair. The swatches are its whole working state. Made for one showing.
class ColorSchemeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ColorSchemeDialog(QWidget *parent = nullptr);

    GradientFill *previewFill;
    QFrame *backdropPanel;
    QRadioButton *solidButton;
    QRadioButton *gradientButton;
    QFrame *startSwatchFrame;
    ColorSwatch *startSwatch;
    QFrame *endSwatchFrame;
    ColorSwatch *endSwatch;
    QPushButton *okButton;
    QPushButton *cancelButton;

    void chooseSolidColor();
    void chooseGradient();
    void pickStartColor();
    void pickEndColor();
    void applyColors();
    void dismiss();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectControls();
    void prepareToShow();
    void pickSwatchColor(ColorSwatch *swatch, void (Gradient::*setPreviewColor)(Color));
};
