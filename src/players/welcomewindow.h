#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

// The welcome window, where the player of the next game is picked from the roster or typed in.
// It is the application's main window: it lives for the whole run, is hidden and shown again
// rather than destroyed, and closing it ends the program without saving.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    QLabel *Image1;
    QFrame *Panel1;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label3;
    QComboBox *ComboBox1;
    QLineEdit *PlayersName;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;

    // Whether the last "Play!" got as far as a named player.
    bool PlayerAccepted = false;

    // "Play!" is inert while the game window's dice tumble, so that a new game never starts
    // inside a running roll.
    void followGameWindow(const TForm1 *gameWindow);

    void PlayersNameKeyDown();
    void ComboBox1Change(int index);
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void FormCreate();
    void FormShow();
    void FormClose();
};

// The welcome window, created first at start-up and alive for the whole run.
extern TForm3 *Form3;
