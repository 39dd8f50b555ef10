#pragma once

#include <QWidget>

class GameWindow;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The welcome window, where the player of the next game is picked from the roster or typed in.
// It is the application's main window: it lives for the whole run, is hidden and shown again
// rather than destroyed, and closing it ends the program without saving.
class WelcomeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeWindow(QWidget *parent = nullptr);

    QLabel *splashImage;
    QFrame *choicePanel;
    QLabel *chooseCaption;
    QLabel *nameCaption;
    QLabel *noticeLabel;
    QComboBox *playerList;
    QLineEdit *nameEdit;
    QPushButton *playButton;
    QPushButton *exitButton;
    QPushButton *cancelButton;

    // Whether the last "Play!" got as far as a named player.
    bool playerAccepted = false;

    // "Play!" is inert while the game window's dice tumble, so that a new game never starts
    // inside a running roll.
    void followGameWindow(const GameWindow *gameWindow);

    void pickNewPlayerEntry();
    void clearTypedName(int index);
    void play();
    void exitProgram();
    void cancel();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void locateSettingsFile();
    void prepareToShow();
    void quitWithoutSaving();
};

// The welcome window, created first at start-up and alive for the whole run.
extern WelcomeWindow *theWelcomeWindow;
