#pragma once

#include <QDialog>

class GradientFill;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;

// The Highest Score window, one layout for two uses: record mode takes the holder's name for
// the final score and saves it, view mode shows the holder and the score. Both go through the
// session. Made for one showing.
class HighScoreWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HighScoreWindow(Session &session, QWidget *parent = nullptr);

    void enterRecordMode(qint32 score);
    void enterViewMode();
    // Whether the window takes a new record's holder, rather than showing the record.
    bool isRecording() const { return m_recording; }
    void confirm();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void hideScoreFields();
    void prepareToShow();

    GradientFill *backgroundFill = nullptr;
    QFrame *scorePanel = nullptr;
    QLabel *holderLabel = nullptr;
    QLabel *scoreLabel = nullptr;
    QLabel *newScoreLabel = nullptr;
    QLineEdit *holderEdit = nullptr;
    QPushButton *okButton = nullptr;

    Session &m_session;
    bool m_recording = false;
};
