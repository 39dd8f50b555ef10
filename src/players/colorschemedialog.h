#pragma once

#include "widgets/kitcolor.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QRadioButton;
class TKitFill;
class TKitGradient;
class TKitPanelFill;

// The colour scheme dialog: a solid colour or a gradient for every window's background. Its own
// background previews the colours being picked; only "OK" reaches the game window and the
// shared colour pair. The swatches are its whole working state. Made for one showing.
class TPrefForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPrefForm(QWidget *parent = nullptr);

    TKitFill *KitFill1;
    QFrame *Panel3;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QFrame *Panel1;
    TKitPanelFill *Fill1;
    QFrame *Panel2;
    TKitPanelFill *Fill2;
    QPushButton *Button1;
    QPushButton *Button2;

    void RadioButton1Click();
    void RadioButton2Click();
    void Fill1Click();
    void Fill2Click();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectControls();
    void FormShow();
    void pickSwatchColor(TKitPanelFill *swatch, void (TKitGradient::*setPreviewColor)(TColor));
};
