#pragma once

#include <QTimer>
#include <QWidget>

class Coach;
class QLabel;
class QProgressBar;

// How far the coach's solve has come: "Solving... 42%" and a bar, shown only once the solve has
// taken longer than a moment, so that a quick one flashes nothing. Hidden again when the coach is
// ready.
class SolveProgress : public QWidget
{
    Q_OBJECT

public:
    SolveProgress(const Coach &coach, QWidget *parent);

    // How long a solve runs before its progress shows; tests set 0, which shows it at once.
    static void setDelay(int milliseconds);

    // Shows the progress of a solve under way once the delay has passed.
    void follow();

private:
    void showProgress(double fraction);

    const Coach &m_coach;
    QLabel *m_line;
    QProgressBar *m_bar;
    QTimer m_delay;
};
