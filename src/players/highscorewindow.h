#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TKitFill;

// True once SetNewScore has prepared the Highest Score window to record a new highest score;
// cleared whenever such a window is created.
extern bool NewHighScoreMode;

// The Highest Score window, one layout for two uses: record mode takes the holder's name for
// the final score and saves it, view mode shows the holder and the score. Made for one showing.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    TKitFill *KitFill1;
    QFrame *Panel1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QPushButton *Button1;

    void SetNewScore();
    void ViewScore();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void FormCreate();
    void FormShow();
};
