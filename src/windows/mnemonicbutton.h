#pragma once

#include <QPushButton>

// A push button that acts on its Alt+letter at once. Qt's own button only starts a click
// animation and clicks a tenth of a second later, so that a click made meanwhile would act
// first; this one clicks in the order of the keys and clicks that the player made.
class MnemonicButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MnemonicButton(const QString &text, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
