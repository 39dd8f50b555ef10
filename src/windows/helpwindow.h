#pragma once

#include <QDialog>

class GradientFill;
class QPlainTextEdit;
class QPushButton;
class Session;

// The rules of the game in a read-only text box. The window can be resized, but its controls
// keep their places: a larger window shows its own colour beyond the fill. Made for one showing,
// in the session's colours, over the main window when there is one.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    HelpWindow(const Session &session, const QWidget *mainWindow, QWidget *parent = nullptr);

    void dismiss();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void prepareToShow();

    QPlainTextEdit *rulesView = nullptr;
    QPushButton *okButton = nullptr;
    GradientFill *backgroundFill = nullptr;

    const Session &m_session;
    const QWidget *m_mainWindow;
};
