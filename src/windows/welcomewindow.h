#pragma once

#include <QWidget>

class GameWindow;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;

// The welcome window, where the player of the next game is picked from the roster or typed in.
// It is the application's main window: it lives for the whole run, is hidden and shown again
// rather than destroyed, and closing it ends the program without saving. Its list shows the
// session's roster, and a player it accepts becomes the session's current player.
class WelcomeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeWindow(Session &session, QWidget *parent = nullptr);

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

Q_SIGNALS:
    // A player was accepted and the settings saved, or their failure shown: the game window
    // takes over.
    void playRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void showRoster();
    void prepareToShow();
    void quitWithoutSaving();

    QLabel *splashImage = nullptr;
    QFrame *choicePanel = nullptr;
    QLabel *chooseCaption = nullptr;
    QLabel *nameCaption = nullptr;
    QLabel *noticeLabel = nullptr;
    QComboBox *playerList = nullptr;
    QLineEdit *nameEdit = nullptr;
    QPushButton *playButton = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *cancelButton = nullptr;

    Session &m_session;
};
