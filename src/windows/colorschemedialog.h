#pragma once

#include "base/color.h"

#include <QDialog>

class ColorSwatch;
class Gradient;
class GradientFill;
class QFrame;
class QPushButton;
class QRadioButton;
class Session;

// The colour scheme dialog: a solid colour or a gradient for every window's background. Its own
// background previews the colours being picked; only "OK" sets the session's colour pair, which
// every window's background follows. The swatches are its whole working state. Made for one
// showing, over the main window when there is one.
class ColorSchemeDialog : public QDialog
{
    Q_OBJECT

public:
    ColorSchemeDialog(Session &session, const QWidget *mainWindow, QWidget *parent = nullptr);

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

    GradientFill *previewFill = nullptr;
    QFrame *backdropPanel = nullptr;
    QRadioButton *solidButton = nullptr;
    QRadioButton *gradientButton = nullptr;
    QFrame *startSwatchFrame = nullptr;
    ColorSwatch *startSwatch = nullptr;
    QFrame *endSwatchFrame = nullptr;
    ColorSwatch *endSwatch = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    Session &m_session;
    const QWidget *m_mainWindow;
};
