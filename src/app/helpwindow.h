#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class TKitFill;

// The rules of the game in a read-only text box. The window can be resized, but its controls
// keep their places: a larger window shows its own colour beyond the fill. Made for one showing.
class THelpForm : public QDialog
{
    Q_OBJECT

public:
    explicit THelpForm(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    TKitFill *KitFill1;

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void FormShow();
};
